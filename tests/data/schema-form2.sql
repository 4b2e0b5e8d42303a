-- The score database as programs before the log's narrow count tables made it
-- (form 2): the tests upgrade databases made by it.
-- Dialect 3; texts are UTF-8. Dates and times are stored as the texts the
-- program writes (DD/MM/YYYY and HH:MM:SS); the log also keeps each row's
-- day as a DATE, which a trigger fills, so a date range can use an index.

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

-- One row per finished test.
CREATE TABLE SCORE (
  NAME VARCHAR(100),
  DATE1 VARCHAR(10),
  TIME1 VARCHAR(8),
  FILE1 VARCHAR(500),
  MAX_HELP INTEGER,
  HELP_TOTAL INTEGER,
  WORD_COUNT INTEGER,
  SCORE INTEGER,
  LOG_GROUP INTEGER
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
CREATE INDEX SCORE_NAME ON SCORE (NAME);
CREATE INDEX SCORE_FILE1_UPPER ON SCORE COMPUTED BY (UPPER(FILE1));
CREATE UNIQUE INDEX SOUND_NAME_UPPER ON SOUND COMPUTED BY (UPPER(NAME));

-- Log groups: one number per test, never handed out twice.
CREATE SEQUENCE LOG_GROUP_ID;

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

SET TERM ; ^

-- The finished tests as the score window lists them.
CREATE VIEW SCORE_TAB (NAME, PERCENT1, RATIO, DATE1, TIME1, MAX_HELP, HELP_TOTAL,
                       LOG_GROUP, FILE1, SORT_DATE) AS
  SELECT NAME,
         CASE WHEN WORD_COUNT = 0 THEN 0 ELSE SCORE * 100 / WORD_COUNT END,
         SCORE || '/' || WORD_COUNT,
         DATE1, TIME1, MAX_HELP, HELP_TOTAL, LOG_GROUP, FILE1,
         DMY_DATE(DATE1)
  FROM SCORE;

CREATE VIEW SCHEMA_VERSION (VERSION) AS SELECT 2 FROM RDB$DATABASE;
