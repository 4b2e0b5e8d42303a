<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>Columns</name>
    <message>
        <source>Date</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help total</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Max help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kind</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Mistakes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Most frequent</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Latest %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Best %</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Due</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Learned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>WORD</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ANSWER</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>TIME1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>DATE1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FILE1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ratio</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ErrorText</name>
    <message>
        <source>Invalid function number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many open files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid handle</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough memory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid environment</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid file access code</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid drive number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot remove current directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot rename across drives</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No more files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk write error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not assigned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not open for input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File not open for output</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid numeric format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk is write-protected</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Bad drive request struct length or unknown unit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Drive not ready</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown command</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CRC error in data</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Disk seek error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown media type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sector Not Found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Printer out of paper</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device write fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Device read fault</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hardware failure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Division by zero</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range check error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stack overflow error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Heap overflow error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid pointer operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point overflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Floating point underflow</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Invalid floating point operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay manager not installed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Overlay file read error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Object not initialized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Call to abstract method</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stream registration error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collection index out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Collection overflow error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x coordinate to low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x coordinate to high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range check error (page to low)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Range check error (page to high)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y coordinate to low</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>y coordinate to high</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>x, y coordinate out of range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to make ((y - 1) * screen width) + x = &lt; 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer initialized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pointer not initialized</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not enough heap memory for Getmem operation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to Free a nil pointer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Buffer can&apos;t exceed 65535(a word) lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to access a buffer element that is a nonentity &lt; 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window not big enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window not wide enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Window not deep enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page not big enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page not wide enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Page not deep enough</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to create a window with right side off Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to create a window with left side off Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to create a window with top side off Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to create a window with bottom side off Page</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to access a page that is a nonentity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to access a window that is a nonentity</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Width * depth &gt; than saved screen size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to create a window with a width of &lt; 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to create a window with a depth of &lt; 0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to access an environment variable that is out of Range</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Out of environment variable memory.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trying to access the environment&apos;&apos;s Program Name of the first PSP</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Incomplete menu structure</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in menu format</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Menu file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasword file not found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name all ready exist</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>String value of &apos;&apos; not acceptable.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error making dir.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not a file but a device or a pipe</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File too large</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File locked by another program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A link or special file stands where a file of a shared folder should be</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start up file error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No database found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Unknown error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error num %1, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ImportPlan</name>
    <message>
        <source>The list &quot;%1&quot; is there already. Replace it with the imported one?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>KindWord</name>
    <message>
        <source>Right at the first try!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word that was hard before is right now!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Better than last time!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done for finishing!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Well done for the words you did!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All %1 words right at the first try!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words that were hard before are right now!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainFormO</name>
    <message>
        <source>Please use Quit button</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type a name for the new list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the settings</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new file: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied this is not your file! %1
The owner is :%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The change counts until Orv ends; %1 keeps the setting it had.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>MainView</name>
    <message>
        <source>no user</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>NearMiss</name>
    <message>
        <source>So close! A letter is missing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So close! One letter too many:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So close! Two letters are swapped:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So close! This letter is single:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So close! This letter is double:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>So close! One letter is different:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearly! Only the capitals differ:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nearly! Only the accents differ:</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>OrvProgram</name>
    <message>
        <source>%1 sound stored.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds stored.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>PasswordO</name>
    <message>
        <source>the users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User not found </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input a Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Error number 591 </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry but the two paswords you enteredare not the same please try again thank you.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>INCRECT PASWORD / USER NAME ACCESS DENIDE </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Too many wrong log-ins for this name in a row: try again in %1 s.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of the password file %2 %3. That line is left out; the other users can log in.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password file %1 could not be saved, so the change was not made. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (the password file %2 had been changed by another program).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>NO PASWORD FOR SUPPER USER, reset to &quot;%1&quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The super user %1 keeps the default password &quot;%2&quot;, so you are not logged in. Log in again and choose a new password.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The super user %1 has the default password &quot;%2&quot;, which anyone can read in the help. Choose a new password for %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is the default password. Please choose another one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete user %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password file %1 holds more than %2 users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The user &quot;%1&quot; is no longer in the password file, so the change was not made</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>QtDialogs</name>
    <message>
        <source>Error</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Warning</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Information</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The log-in window has not been created</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ReviewPlan</name>
    <message>
        <source>Nothing to review yet: the words you miss in a test come back here.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing to review today. The next words are due on %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>ScoreDatabase</name>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit if wrong:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The database file %1 does not exist. Create a new score database there?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cannot connect to the database engine. Are you sure firebird or another interbase compatible database is running? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The current database file is not a valid database file please click yes to choose a new one.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not open the database file for orv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Interbase compatible database files(*.gdb)|*.gdb</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied: choosing another score database than %1 needs level %2 (Change Database).</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> The database could not be opened: %1.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Orv tries the same file again; if it keeps failing, ask a teacher.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database file:%1
%2
do you whant to try again click No to exit Orv6?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>SoundStore</name>
    <message>
        <source> Word allready in database overwrite! </source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TAboutBox</name>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orv7</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Version 0.1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This program is still in betta</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TChDir</name>
    <message>
        <source>Change Dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TClassOverviewForm</name>
    <message>
        <source>Class overview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click a title to sort by it; double click a row to see that learner&apos;s progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Trend: the later half of the tests against the earlier half</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TCompiledView</name>
    <message>
        <source>Compiled Viewtest</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Compiled list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Retry</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDateRangeBox</name>
    <message>
        <source>&amp;From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TDateTimePicker</name>
    <message>
        <source>Use %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEditOrv</name>
    <message>
        <source>Edit Orv file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete Linefeeds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ex&amp;port...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View compiled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>the word lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The changes to %1 that were not saved when Orv last ended are in %2, which could not be read: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orv ended before the changes to %1 were saved; they were kept in %2. Open the changed text? (No opens the list as it was saved and deletes the changes.)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not delete %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list %1 could not be read (%2), so this window did not show it. Saving replaces it with the text shown here. Replace it?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TEditUsers</name>
    <message>
        <source>EditUsers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the password for the slected user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete a user from the password list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a user to the pasword list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Acsses level</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TFindDialog</name>
    <message>
        <source>Find</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;whole word only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TForm1</name>
    <message>
        <source>Question</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round to 3 decimal places where appropriate. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>questions remaining</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Close</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Math input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the answer to the question in the answer box|Type the answer to the question in the answer box and press enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the answer to this question in the answer box below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type the answer in the box below</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Round to %1 decimal places where appropriate.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TGridExport</name>
    <message>
        <source>E&amp;xport</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save the rows shown as CSV, or print them (also to a PDF file)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as &amp;CSV...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Save as CSV</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not write %1: %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>THelpForm</name>
    <message>
        <source>Orv Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type a word to look for</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keywords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Type the first letters of a word:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help page</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TImportForm</name>
    <message>
        <source>Import lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists to make</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lines</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Note</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What cannot be imported</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word or question from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answer from:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Into the group:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists to make:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What cannot be imported:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>none: spelling words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>is there: asks before replacing it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The group &quot;</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot; leaves the word lists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 (nothing is imported)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 was kept as it was.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 list made.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lists made.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TLoginForm</name>
    <message>
        <source>Select user from drop down list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new password here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter password here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Login</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter user name and password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Pasword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Confirm password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter new password twice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Passwords</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>        Password</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wait %1 s before the next log-in as %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TMainForm</name>
    <message>
        <source>Orv 7.0</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hint bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orv6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Orv6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Orv 7.0.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File length</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|current word list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Current user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Current sub group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>number of words in list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start on the file above</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Review</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Review|Ask again the words that are due, from every list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log Out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log out|log off the current user and leave orv running use Quit to quit orv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Quit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Quit program</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick file|Pick an existing orv file for the current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create new orv file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Import...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make word lists from the files of other programs: CSV, KVTML, Anki, text</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;ChDir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change current directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Delete word list cleanup score etc.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Remove a directory, it will need to be empty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>P&amp;rint Setup...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Setup printer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show score for current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pro&amp;gress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Class o&amp;verview</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every learner&apos;s tests of each list at a glance</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Word List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit Menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit File|Edit current file if you are the owner or have high enough pas level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at the current list of words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Make wrong word file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ask again the words that are due, from every list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for user menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add a new user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Edit users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the password file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change Pasword</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the password of a user</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not iimplemented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Log wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log &amp;users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not implemented</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log &amp;correct</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log right answers|Log correct answers but not necessarily wrong ones </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;View log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds stored In data base</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for option menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Change database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Pasword levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password level each guarded command needs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Click for help menu</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Contents</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Search for Help On...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;How to Use Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;About...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tool Bar</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Open|Open new file for spelling</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Create a new file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Edit the current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Score window for curent file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Print current file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit orv</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Choose the files to import</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lists of other programs (*.csv *.tsv *.txt *.kvtml);;All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The help pages could not be found</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>View &amp;Compiled</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If checked any mistake will be written to a log file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOpenFileForm</name>
    <message>
        <source>Open orv file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Groups</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|Choose a group from this pain. Click the + to expand. Use the pain on the right to choose a file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Files</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>FileName</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>| Choose a file from this pain use the pain on the left to choose a group. </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not finished</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TOptionForm</name>
    <message>
        <source>The desktop&apos;s font</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letter &amp;case may differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Paris is right for paris where a list says nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Accents may differ</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>cafe is right for café where a list says nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Punctuation may be left out</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>dont is right for don&apos;t where a list says nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>An answer a;b takes eit&amp;her</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>grey;gray accepts grey and gray where a list says nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sums: an &amp;equal value is right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2/4, 0.5 and 0,5 are right for 1/2 where a list says nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Fractions in &amp;lowest terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2/4 for 1/2 is asked again to be written in lowest terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Option</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;File order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;In order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Random order</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do the spellings in alphabetical order or in random orde</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Do whole file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>do &amp;Ten words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Do whole file or do ten words if you do ten words the words not done are saved in a file to do next time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Sound group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show word even if playing sound for word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reshow Word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>allow reshow of word having played sound for word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak words that have no sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A word without a recorded sound is spoken by the computer&apos;s voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Speak sums</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Arithmetic questions are spoken as well</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the voice that speaks the words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Voice</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How large the text of every window is; the windows grow with it</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A font made for children learning to read, or the desktop&apos;s own</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi&amp;gh contrast colours</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>White and yellow on black in every window</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How long the word to type stays on the screen, 100 % being the usual time</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A &amp;kind word at the end of a test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>One line in the score window on what went well in the test</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A chi&amp;me after each right answer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>A short pleasant sound as RIGHT !! is shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Te&amp;xt size</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reading fo&amp;nt</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word shown f&amp;or</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Answers where a list says nothing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>What else counts as right for every list that does not say it itself</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>confirm options they are saved when you log out or quit orv6</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go back to original values</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (the language&apos;s own voice)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> (not on this computer)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The desktop&apos;s language</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the windows and of the voice; a change shows the next time Orv starts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lang&amp;uage</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The language of the windows</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TPasLevForm</name>
    <message>
        <source>Option menu pasword Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound menu pasword Level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>List sounds pasword level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete sound pasword level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Database</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete spelling file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Look at other users spelling list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Make wrong word file for others</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Add users</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pasword levels</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The password level needed to have access to a particular feature</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TProgressForm</name>
    <message>
        <source>learned</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Box %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Day</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Learner:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Whose tests are shown</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Only the tests taken from the first day to the last day, when checked</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent &amp;right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Help used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Words most often wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Boxes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>T&amp;ests</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong wor&amp;ds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinds of mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Kinds of mistake</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Percent right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Help used</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No tests in these days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Times wrong</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No wrong answers in these days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Items</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No review moves in these days</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tests of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong words of %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Kinds of mistake of %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TRecordForm</name>
    <message>
        <source>Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How loud the microphone hears you</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Start recording the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hear the recording</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Keep</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Keep the recording as the word&apos;s sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Discard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Throw the recording away</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Ne&amp;xt word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Leave this word without a new sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Press Record and say the word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Recording: say the word, then press Stop</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Nothing was heard: record again</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Play it back, then keep or discard it</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSF2</name>
    <message>
        <source>Score</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Back</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Current file only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Curent user only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Check to limit the SQL query to the curent user only</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Right answers</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number or  rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The number of lines return by the SQL query</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Scores</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double or right click a row to see the words you got wrong/right</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>open</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Your tests over time, as charts</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list of words you got wrong/right for the row double clicked.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Double click a row to see the words you got wrong/right.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>This test: %1 %, %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSU</name>
    <message>
        <source>No valid user name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SU</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;All User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Current User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Pick &amp;From List</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;wrong words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Show &amp;Right Words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>From</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Update</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No SQL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQL</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Log</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Number of rows</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Database name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|The SQL statement that will be executed when the Update button is pressed</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSU1</name>
    <message>
        <source>Auto slection of word file from logs</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Wrong words</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SQL group</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count &gt;=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Count &lt;=</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Output file:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;New</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Use a new file instead of the default</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Crea&amp;te file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send the output from the SQL queary to the file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TSoundsForm</name>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>SoundsForm</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound db</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Add sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Delete sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Find sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Record sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record &amp;missing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sounds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sound files (*.wav)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Data has been deleted commit changes</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>There is no microphone: nothing can be recorded</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Record sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word to record</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Every word of %1 has a sound</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Delete word %1 from sound database ? </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Search string &lt;%1&gt; not found</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TWrongWordsForm</name>
    <message>
        <source>You Have got it wrong!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The answer is:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Not:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>T_Input</name>
    <message>
        <source>Progress</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&amp;Replay</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Re&amp;Show</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>S&amp;top</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in the word you were asked here</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>If there is a spoken prompt replay it.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Reshow the word to type</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Stop this test|Stop this test and see the score (or press Esc)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>|When you have type in the word click here or press enter</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>TestSession</name>
    <message>
        <source>Stop this test?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Word to enter</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Message </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RIGHT !!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>right value, now write it in lowest terms</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type in the ansswer</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please type in the last word</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Error loading buffer &lt;%1&gt;
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hi score %1 : %2 go&apos;&apos;s left out of %3 words</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>WriteFailure</name>
    <message>
        <source>Only a teacher&apos;s account of this computer can change %1.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>export_window</name>
    <message>
        <source>CSV for spreadsheets (*.csv)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>KVTML 2.0 (*.kvtml)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Anki text (*.txt)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Export list</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The list could not be written: </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>&quot;%1&quot; is written to %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>getuser</name>
    <message>
        <source>Can&apos;t locate any compatible database keys in the registry, you probably need to install Firebird or InterBase</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can&apos;t continue with out a compatible database. Orv will now terminate</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not copy the database .dll file OUCH!! :
<byte value="xd"/></source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>No password file was found (%1). Create one with the super user %2?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>pasFile=%1 in %2 does not name a file inside the program directory %3, so it is not used. Name the password file there, as pasFile=KVXS1.KVX.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>groupcommands</name>
    <message>
        <source>New directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Type In a name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About to create directory %1 In the root spelling directory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About to create directory %1 as a sub dir of %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please chooses a host dir</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Diretory</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Directory to remove</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>lookatpas</name>
    <message>
        <source>Access denied</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>User level</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input a number from 0 to 255</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Write changes to password file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error in number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Sorry can not edit the user name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>openprogress_window</name>
    <message>
        <source>No valid user name</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>positions</name>
    <message>
        <source> Not enough words in file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save which words of the list are still to come (%1). %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>printing_window</name>
    <message>
        <source>The printer could not be started</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>startupfile</name>
    <message>
        <source>Can not continue with out start up file</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Can not fined the start up file create new?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Error saveing start up file buffer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source> Error loading start up file buffer </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line 5 of the start-up file %1 names a group outside the word lists (%2). The word lists&apos; own folder is used instead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Line %1 of the start-up file %2 has no level number after &quot;%3&quot;. The level %4 is used instead.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>wordfile</name>
    <message>
        <source>New File</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Input a file name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Send SQL output to: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Could not save who owns the list (%1). %2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Error %1 writing to file
%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 words successfully writen to file</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
