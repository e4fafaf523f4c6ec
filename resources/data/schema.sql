-- Pursekeep data file. Dates are day numbers (days since 30 December 1899, time of
-- day as the fraction); transactions.amount is whole ten-thousandths; yes/no is 1/0.
-- Names, descriptions and FITIDs compare without regard to letter case.

CREATE TABLE accounts (
  accID          INTEGER PRIMARY KEY AUTOINCREMENT,
  name           TEXT COLLATE NOCASE,
  bankNum        TEXT,
  initialBalance REAL,
  balanceDate    REAL,
  currentBalance REAL,
  icon           TEXT
);

CREATE TABLE categories (
  catID     INTEGER PRIMARY KEY AUTOINCREMENT CHECK (catID <= 32767),
  name      TEXT COLLATE NOCASE UNIQUE CHECK (length(name) <= 32),
  type      INTEGER,
  icon      TEXT,
  isImport  INTEGER NOT NULL DEFAULT 0,
  catSystem INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE items (
  itemID          INTEGER PRIMARY KEY AUTOINCREMENT,
  name            TEXT COLLATE NOCASE UNIQUE CHECK (length(name) <= 32),
  type            INTEGER,
  catID           INTEGER,
  icon            TEXT CHECK (length(icon) <= 255),
  comments        TEXT,
  budgetFrequency INTEGER,
  budgetStartDate REAL,
  budgetLastDate  REAL,
  budgetAmount    REAL,
  budgetTotal     REAL,
  isImport        INTEGER NOT NULL DEFAULT 0
);

CREATE TABLE transactions (
  trnID       INTEGER PRIMARY KEY AUTOINCREMENT,
  accID       INTEGER,
  itemID      REAL,
  amount      INTEGER,
  trnDate     REAL,
  description TEXT COLLATE NOCASE CHECK (length(description) <= 126),
  reference   TEXT CHECK (length(reference) <= 128),
  parentID    INTEGER,
  sortNum     INTEGER,
  saved       INTEGER NOT NULL DEFAULT 0,
  isImport    INTEGER NOT NULL DEFAULT 0,
  FITID       TEXT COLLATE NOCASE CHECK (length(FITID) <= 32),
  trnYear     INTEGER,
  trnMonth    INTEGER,
  trnWeek     INTEGER,
  secondaryID TEXT CHECK (length(secondaryID) <= 64),
  balance     REAL
);

CREATE TABLE defaults (
  defaultID INTEGER PRIMARY KEY,
  name      TEXT COLLATE NOCASE,
  type      INTEGER,
  icon      TEXT,
  sortNum   INTEGER
);

CREATE TABLE options (
  usepassword  INTEGER NOT NULL DEFAULT 0,
  userPassword TEXT,
  selectdate   INTEGER NOT NULL DEFAULT 0,
  startBudget  REAL
);

CREATE INDEX idx_items_catID ON items (catID);
CREATE INDEX idx_items_type ON items (type);
CREATE INDEX idx_categories_type ON categories (type);
CREATE INDEX idx_transactions_accID ON transactions (accID);
CREATE INDEX idx_transactions_itemID ON transactions (itemID);
CREATE INDEX idx_transactions_parentID ON transactions (parentID);
CREATE INDEX idx_transactions_trnDate ON transactions (trnDate);
CREATE INDEX idx_transactions_FITID ON transactions (FITID);
CREATE INDEX idx_transactions_description ON transactions (description);
CREATE INDEX idx_transactions_saved ON transactions (saved);
CREATE INDEX idx_defaults_type ON defaults (type, sortNum);

INSERT INTO options (usepassword, userPassword, selectdate, startBudget) VALUES (0, NULL, 0, NULL);
