-- The score database of Orv: every answer, every finished test and the
-- recorded sounds of words. The program runs this script statement by
-- statement when it creates a database; isql-fb runs it as it stands.
-- Dialect 3; texts are UTF-8. Dates and times are stored as the texts the
-- program writes (DD/MM/YYYY and HH:MM:SS); the log also keeps each row's
-- day as a DATE, which a trigger fills, so a date range can use an index;
-- the score table keeps its rows' day and percentage so, with indexes in the
-- score window's orders, its first screen needs no sort of every row.
-- The counts of the log and wrong-word windows come from narrow tables that
-- triggers keep in step with the log, because counting the log itself
-- unpacks and sorts its wide rows.
-- The review's boxes, one row per learner and item, are changed only through
-- procedures, so a learner's account that only adds and reads rows can move
-- them; programs that know nothing of them leave them alone.
-- The view SCHEMA_VERSION says which form of this script made the database;
-- an older database is brought up to it when the program connects
-- (scores/schemaupgrade.cpp).

-- One row per answered question; ANSWER is NULL for a right answer.
CREATE TABLE LOG (
  NAME VARCHAR(100),
  DATE1 VARCHAR(10),
  TIME1 VARCHAR(8),
  FILE1 VARCHAR(500),
  WORD VARCHAR(4000),
  LOG_GROUP INTEGER,
  HELP_COUNT INTEGER,
  ANSWER VARCHAR(4000),
  DAY1 DATE
);

-- One row per finished test. DAY1 and PERCENT1 are filled by a trigger.
CREATE TABLE SCORE (
  NAME VARCHAR(100),
  DATE1 VARCHAR(10),
  TIME1 VARCHAR(8),
  FILE1 VARCHAR(500),
  MAX_HELP INTEGER,
  HELP_TOTAL INTEGER,
  WORD_COUNT INTEGER,
  SCORE INTEGER,
  LOG_GROUP INTEGER,
  DAY1 DATE,
  PERCENT1 INTEGER
);

-- One recorded WAV file per word; words are matched without regard to case.
CREATE TABLE SOUND (
  NAME VARCHAR(255) NOT NULL,
  DATA BLOB SUB_TYPE BINARY
);

CREATE INDEX LOG_NAME ON LOG (NAME);
CREATE INDEX LOG_LOG_GROUP ON LOG (LOG_GROUP);
CREATE INDEX LOG_DAY1 ON LOG (DAY1);
CREATE INDEX LOG_NAME_DAY1 ON LOG (NAME, DAY1);
-- Every word text of the log, each under a small number. Two programs that
-- log a new word at the same moment may both add it; the counts are grouped
-- by the text in the end, so no entry is unique and no answer fails on one.
-- A word is too long for an index of its own; its hash finds it.
CREATE TABLE LOG_WORD (
  ID INTEGER NOT NULL,
  WORD VARCHAR(4000)
);

-- One narrow row per log row: what the counts select on, and the word's
-- number (NULL for a NULL word). WRONG is 1 when the answer was wrong.
CREATE TABLE LOG_COUNT (
  NAME VARCHAR(100),
  DAY1 DATE,
  WORD_ID INTEGER,
  WRONG SMALLINT NOT NULL
);

-- The count of each word and answer kind over every user and day is the sum
-- of its rows here. Every change of the log only adds a row (+1 or -1), so
-- no two learners ever write the same row and none waits on another; the
-- counting program folds each word's rows into one now and then
-- (scores/wordtotals.cpp).
CREATE TABLE LOG_TOTAL (
  WORD_ID INTEGER,
  WRONG SMALLINT NOT NULL,
  N INTEGER NOT NULL
);

-- Per learner and item of a list (a word, a question, or an expression line
-- whose sums count as one): its box (1 to 5), the day it is due again, the
-- day of the last finished test that asked it, how often it was asked and
-- missed, and the test day its list names. An item is too long for an index of its own; its hash finds it.
CREATE TABLE REVIEW_BOX (
  NAME VARCHAR(100) NOT NULL,
  FILE1 VARCHAR(500) NOT NULL,
  ITEM VARCHAR(4000) NOT NULL,
  BOX SMALLINT NOT NULL,
  DUE_DAY DATE NOT NULL,
  LAST_DAY DATE,
  ASKED INTEGER NOT NULL,
  MISSED INTEGER NOT NULL,
  TEST_DAY DATE
);

-- Every move of a box, never changed: the items per box over time.
CREATE TABLE REVIEW_MOVE (
  NAME VARCHAR(100),
  FILE1 VARCHAR(500),
  ITEM VARCHAR(4000),
  DAY1 DATE,
  BOX SMALLINT,
  LOG_GROUP INTEGER
);

-- One row per learner whose boxes have moved: the transaction that moves
-- them changes it first, so two programs moving one learner's boxes at once
-- meet there, and the later one does its work again.
CREATE TABLE REVIEW_LEARNER (
  NAME VARCHAR(100) NOT NULL,
  MOVES INTEGER NOT NULL
);

-- A test day a teacher set in the class overview for a learner and a list
-- (the list key of REVIEW_BOX): the review takes it as it takes the list's
-- own test day line, the earlier of the two when both are there.
CREATE TABLE REVIEW_TEST_DAY (
  NAME VARCHAR(100) NOT NULL,
  FILE1 VARCHAR(500) NOT NULL,
  TEST_DAY DATE NOT NULL
);

CREATE INDEX SCORE_NAME ON SCORE (NAME);
CREATE INDEX SCORE_FILE1_UPPER ON SCORE COMPUTED BY (UPPER(FILE1));
-- The score window's orders by date and by percentage (scores/scorequery.cpp).
CREATE DESCENDING INDEX SCORE_DAY1_TIME1 ON SCORE (DAY1, TIME1);
CREATE DESCENDING INDEX SCORE_PERCENT1_DAY1 ON SCORE (PERCENT1, DAY1, TIME1);
CREATE UNIQUE INDEX SOUND_NAME_UPPER ON SOUND COMPUTED BY (UPPER(NAME));
CREATE INDEX LOG_WORD_HASH ON LOG_WORD COMPUTED BY (HASH(WORD));
CREATE INDEX LOG_WORD_BY_ID ON LOG_WORD (ID);
CREATE INDEX LOG_COUNT_DAY1 ON LOG_COUNT (DAY1);
CREATE INDEX LOG_COUNT_NAME_DAY1 ON LOG_COUNT (NAME, DAY1);
CREATE INDEX LOG_TOTAL_WORD ON LOG_TOTAL (WORD_ID, WRONG);
CREATE INDEX REVIEW_BOX_NAME_DUE ON REVIEW_BOX (NAME, DUE_DAY);
CREATE INDEX REVIEW_BOX_ITEM ON REVIEW_BOX COMPUTED BY (HASH(ITEM));
CREATE INDEX REVIEW_MOVE_NAME_DAY1 ON REVIEW_MOVE (NAME, DAY1);
CREATE UNIQUE INDEX REVIEW_LEARNER_NAME ON REVIEW_LEARNER (NAME);
CREATE INDEX REVIEW_TEST_DAY_NAME ON REVIEW_TEST_DAY (NAME);
-- The review finds a learner's lists with a test day still to come without
-- reading every box of the learner.
CREATE INDEX REVIEW_BOX_NAME_TEST ON REVIEW_BOX (NAME, TEST_DAY);

-- Log groups: one number per test, never handed out twice.
CREATE SEQUENCE LOG_GROUP_ID;

-- The numbers of the words in LOG_WORD.
CREATE SEQUENCE LOG_WORD_ID;

SET TERM ^ ;

CREATE PROCEDURE GETNEXTLOGGROUPID
RETURNS (LOGGROUPID INTEGER)
AS
BEGIN
  LOGGROUPID = NEXT VALUE FOR LOG_GROUP_ID;
END^

-- The calendar day of a DD/MM/YYYY text; NULL when the text is no such day.
CREATE FUNCTION DMY_DATE (D VARCHAR(32))
RETURNS DATE DETERMINISTIC
AS
  DECLARE P1 INTEGER;
  DECLARE P2 INTEGER;
BEGIN
  P1 = POSITION('/' IN D);
  P2 = POSITION('/', D, P1 + 1);
  IF (P1 < 2 OR P2 < P1 + 2 OR P2 = CHAR_LENGTH(D)) THEN
    RETURN NULL;
  RETURN CAST(SUBSTRING(D FROM P2 + 1) || '-' ||
              SUBSTRING(D FROM P1 + 1 FOR P2 - P1 - 1) || '-' ||
              SUBSTRING(D FROM 1 FOR P1 - 1) AS DATE);
  WHEN ANY DO
    RETURN NULL;
END^

-- 1 when the first DD/MM/YYYY date is a later day than the second, else 0.
CREATE FUNCTION CDATE (D1 VARCHAR(32), D2 VARCHAR(32))
RETURNS INTEGER DETERMINISTIC
AS
BEGIN
  IF (DMY_DATE(D1) > DMY_DATE(D2)) THEN
    RETURN 1;
  RETURN 0;
END^

-- The day of every row, also of the rows that a program which knows nothing
-- of DAY1 writes.
CREATE TRIGGER LOG_DAY1 FOR LOG ACTIVE BEFORE INSERT OR UPDATE POSITION 0
AS
BEGIN
  NEW.DAY1 = DMY_DATE(NEW.DATE1);
END^

-- The day and the percentage of every finished test, also of the rows that
-- a program which knows nothing of them writes.
CREATE TRIGGER SCORE_DAY1 FOR SCORE ACTIVE BEFORE INSERT OR UPDATE POSITION 0
AS
BEGIN
  NEW.DAY1 = DMY_DATE(NEW.DATE1);
  NEW.PERCENT1 = CASE WHEN NEW.WORD_COUNT = 0 THEN 0 ELSE NEW.SCORE * 100 / NEW.WORD_COUNT END;
END^

-- The number of a word in LOG_WORD: looked up by hash and text, added when
-- it is new; NULL for a NULL word.
CREATE PROCEDURE LOG_WORD_NUMBER (A_WORD VARCHAR(4000))
RETURNS (WID INTEGER)
AS
BEGIN
  WID = NULL;
  IF (A_WORD IS NOT NULL) THEN
  BEGIN
    SELECT FIRST 1 W.ID FROM LOG_WORD W
      WHERE HASH(W.WORD) = HASH(:A_WORD) AND W.WORD = :A_WORD INTO :WID;
    IF (WID IS NULL) THEN
    BEGIN
      WID = NEXT VALUE FOR LOG_WORD_ID;
      INSERT INTO LOG_WORD (ID, WORD) VALUES (:WID, :A_WORD);
    END
  END
END^

-- Counts one log row.
CREATE PROCEDURE LOG_COUNT_ADD (A_NAME VARCHAR(100), A_DAY DATE, A_WORD VARCHAR(4000),
                                A_WRONG SMALLINT)
AS
  DECLARE WID INTEGER;
BEGIN
  EXECUTE PROCEDURE LOG_WORD_NUMBER(:A_WORD) RETURNING_VALUES :WID;
  INSERT INTO LOG_COUNT (NAME, DAY1, WORD_ID, WRONG) VALUES (:A_NAME, :A_DAY, :WID, :A_WRONG);
  INSERT INTO LOG_TOTAL (WORD_ID, WRONG, N) VALUES (:WID, :A_WRONG, 1);
END^

-- Removes one narrow row of a log row with these values; which one does not
-- matter, as they count alike.
CREATE PROCEDURE LOG_COUNT_REMOVE (A_NAME VARCHAR(100), A_DAY DATE, A_WORD VARCHAR(4000),
                                   A_WRONG SMALLINT)
AS
  DECLARE K CHAR(8) CHARACTER SET OCTETS;
  DECLARE WID INTEGER;
BEGIN
  SELECT FIRST 1 C.RDB$DB_KEY, C.WORD_ID FROM LOG_COUNT C
    WHERE C.NAME IS NOT DISTINCT FROM :A_NAME AND C.DAY1 IS NOT DISTINCT FROM :A_DAY
      AND C.WRONG = :A_WRONG
      AND ((:A_WORD IS NULL AND C.WORD_ID IS NULL) OR
           C.WORD_ID IN (SELECT W.ID FROM LOG_WORD W
                         WHERE HASH(W.WORD) = HASH(:A_WORD) AND W.WORD = :A_WORD))
    INTO :K, :WID;
  IF (K IS NOT NULL) THEN
  BEGIN
    DELETE FROM LOG_COUNT WHERE RDB$DB_KEY = :K;
    INSERT INTO LOG_TOTAL (WORD_ID, WRONG, N) VALUES (:WID, :A_WRONG, -1);
  END
END^

-- The narrow rows follow every change of the log, also the changes of
-- programs that know nothing of them. It runs after LOG_DAY1 has set the day.
CREATE TRIGGER LOG_COUNTS FOR LOG ACTIVE AFTER INSERT OR UPDATE OR DELETE POSITION 0
AS
BEGIN
  IF (NOT INSERTING) THEN
    EXECUTE PROCEDURE LOG_COUNT_REMOVE(OLD.NAME, OLD.DAY1, OLD.WORD,
                                       IIF(OLD.ANSWER IS NULL, 0, 1));
  IF (NOT DELETING) THEN
    EXECUTE PROCEDURE LOG_COUNT_ADD(NEW.NAME, NEW.DAY1, NEW.WORD,
                                    IIF(NEW.ANSWER IS NULL, 0, 1));
END^

-- Claims a learner's boxes for the calling transaction (see REVIEW_LEARNER).
CREATE PROCEDURE REVIEW_CLAIM (A_NAME VARCHAR(100))
AS
BEGIN
  UPDATE REVIEW_LEARNER SET MOVES = MOVES + 1 WHERE NAME = :A_NAME;
  IF (ROW_COUNT = 0) THEN
    INSERT INTO REVIEW_LEARNER (NAME, MOVES) VALUES (:A_NAME, 1);
END^

-- Gives an item of a learner its new state, and notes the move.
CREATE PROCEDURE REVIEW_SET (A_NAME VARCHAR(100), A_FILE VARCHAR(500), A_ITEM VARCHAR(4000),
                             A_BOX SMALLINT, A_DUE DATE, A_LAST DATE, A_ASKED INTEGER,
                             A_MISSED INTEGER, A_TEST DATE, A_GROUP INTEGER)
AS
BEGIN
  UPDATE REVIEW_BOX SET BOX = :A_BOX, DUE_DAY = :A_DUE, LAST_DAY = :A_LAST, ASKED = :A_ASKED,
                        MISSED = :A_MISSED, TEST_DAY = :A_TEST
    WHERE NAME = :A_NAME AND FILE1 = :A_FILE AND HASH(ITEM) = HASH(:A_ITEM) AND ITEM = :A_ITEM;
  IF (ROW_COUNT = 0) THEN
    INSERT INTO REVIEW_BOX (NAME, FILE1, ITEM, BOX, DUE_DAY, LAST_DAY, ASKED, MISSED, TEST_DAY)
      VALUES (:A_NAME, :A_FILE, :A_ITEM, :A_BOX, :A_DUE, :A_LAST, :A_ASKED, :A_MISSED, :A_TEST);
  INSERT INTO REVIEW_MOVE (NAME, FILE1, ITEM, DAY1, BOX, LOG_GROUP)
    VALUES (:A_NAME, :A_FILE, :A_ITEM, :A_LAST, :A_BOX, :A_GROUP);
END^

SET TERM ; ^

-- The triggers and the procedures they call hold the rights they need, so an
-- account that may write the log can log an answer with no rights of its own
-- on the count tables or the day function (Firebird checks a trigger's own
-- rights or the caller's, never the owner's).
GRANT EXECUTE ON FUNCTION DMY_DATE TO TRIGGER LOG_DAY1;
GRANT EXECUTE ON FUNCTION DMY_DATE TO TRIGGER SCORE_DAY1;
GRANT SELECT, INSERT ON LOG_WORD TO PROCEDURE LOG_WORD_NUMBER;
GRANT USAGE ON SEQUENCE LOG_WORD_ID TO PROCEDURE LOG_WORD_NUMBER;
GRANT EXECUTE ON PROCEDURE LOG_WORD_NUMBER TO PROCEDURE LOG_COUNT_ADD;
GRANT INSERT ON LOG_COUNT TO PROCEDURE LOG_COUNT_ADD;
GRANT INSERT ON LOG_TOTAL TO PROCEDURE LOG_COUNT_ADD;
GRANT SELECT ON LOG_WORD TO PROCEDURE LOG_COUNT_REMOVE;
GRANT SELECT, DELETE ON LOG_COUNT TO PROCEDURE LOG_COUNT_REMOVE;
GRANT INSERT ON LOG_TOTAL TO PROCEDURE LOG_COUNT_REMOVE;
GRANT EXECUTE ON PROCEDURE LOG_COUNT_ADD TO TRIGGER LOG_COUNTS;
GRANT EXECUTE ON PROCEDURE LOG_COUNT_REMOVE TO TRIGGER LOG_COUNTS;
GRANT SELECT, INSERT, UPDATE ON REVIEW_LEARNER TO PROCEDURE REVIEW_CLAIM;
GRANT SELECT, INSERT, UPDATE ON REVIEW_BOX TO PROCEDURE REVIEW_SET;
GRANT INSERT ON REVIEW_MOVE TO PROCEDURE REVIEW_SET;

-- The finished tests as the score window lists them; the percentage and the
-- day are the stored ones, so an order by them walks the score's indexes.
CREATE OR ALTER VIEW SCORE_TAB (NAME, PERCENT1, RATIO, DATE1, TIME1, MAX_HELP, HELP_TOTAL,
                                LOG_GROUP, FILE1, SORT_DATE) AS
  SELECT NAME, PERCENT1, SCORE || '/' || WORD_COUNT,
         DATE1, TIME1, MAX_HELP, HELP_TOTAL, LOG_GROUP, FILE1, DAY1
  FROM SCORE;

CREATE OR ALTER VIEW SCHEMA_VERSION (VERSION) AS SELECT 7 FROM RDB$DATABASE;

-- The accounts of an installed machine's server (the package makes them).
-- A learner's account adds answers, scores and sounds and reads what the
-- windows show; it changes and removes nothing, so no learner can take away
-- another's scores. The teachers' account may do everything (it owns a
-- database the package makes; these rights hold where it does not).
GRANT USAGE ON SEQUENCE LOG_GROUP_ID TO PROCEDURE GETNEXTLOGGROUPID;
GRANT SELECT, INSERT ON LOG TO USER ORV_LEARNER;
GRANT SELECT, INSERT ON SCORE TO USER ORV_LEARNER;
GRANT SELECT, INSERT ON SOUND TO USER ORV_LEARNER;
GRANT SELECT ON SCORE_TAB TO USER ORV_LEARNER;
GRANT SELECT ON LOG_WORD TO USER ORV_LEARNER;
GRANT SELECT ON LOG_COUNT TO USER ORV_LEARNER;
GRANT SELECT ON LOG_TOTAL TO USER ORV_LEARNER;
GRANT SELECT ON SCHEMA_VERSION TO USER ORV_LEARNER;
GRANT EXECUTE ON PROCEDURE GETNEXTLOGGROUPID TO USER ORV_LEARNER;
GRANT EXECUTE ON FUNCTION CDATE TO USER ORV_LEARNER;
GRANT EXECUTE ON FUNCTION DMY_DATE TO USER ORV_LEARNER;
GRANT SELECT ON REVIEW_BOX TO USER ORV_LEARNER;
GRANT SELECT ON REVIEW_MOVE TO USER ORV_LEARNER;
GRANT SELECT ON REVIEW_LEARNER TO USER ORV_LEARNER;
GRANT SELECT ON REVIEW_TEST_DAY TO USER ORV_LEARNER;
GRANT EXECUTE ON PROCEDURE REVIEW_CLAIM TO USER ORV_LEARNER;
GRANT EXECUTE ON PROCEDURE REVIEW_SET TO USER ORV_LEARNER;
GRANT ALL ON LOG TO USER ORV_TEACHER;
GRANT ALL ON SCORE TO USER ORV_TEACHER;
GRANT ALL ON SOUND TO USER ORV_TEACHER;
GRANT ALL ON LOG_WORD TO USER ORV_TEACHER;
GRANT ALL ON LOG_COUNT TO USER ORV_TEACHER;
GRANT ALL ON LOG_TOTAL TO USER ORV_TEACHER;
GRANT ALL ON REVIEW_BOX TO USER ORV_TEACHER;
GRANT ALL ON REVIEW_MOVE TO USER ORV_TEACHER;
GRANT ALL ON REVIEW_LEARNER TO USER ORV_TEACHER;
GRANT ALL ON REVIEW_TEST_DAY TO USER ORV_TEACHER;
GRANT EXECUTE ON PROCEDURE REVIEW_CLAIM TO USER ORV_TEACHER;
GRANT EXECUTE ON PROCEDURE REVIEW_SET TO USER ORV_TEACHER;
GRANT SELECT ON SCORE_TAB TO USER ORV_TEACHER;
GRANT SELECT ON SCHEMA_VERSION TO USER ORV_TEACHER;
GRANT EXECUTE ON PROCEDURE GETNEXTLOGGROUPID TO USER ORV_TEACHER;
GRANT EXECUTE ON PROCEDURE LOG_WORD_NUMBER TO USER ORV_TEACHER;
GRANT EXECUTE ON PROCEDURE LOG_COUNT_ADD TO USER ORV_TEACHER;
GRANT EXECUTE ON PROCEDURE LOG_COUNT_REMOVE TO USER ORV_TEACHER;
GRANT EXECUTE ON FUNCTION CDATE TO USER ORV_TEACHER;
GRANT EXECUTE ON FUNCTION DMY_DATE TO USER ORV_TEACHER;
GRANT USAGE ON SEQUENCE LOG_GROUP_ID TO USER ORV_TEACHER;
GRANT USAGE ON SEQUENCE LOG_WORD_ID TO USER ORV_TEACHER;
