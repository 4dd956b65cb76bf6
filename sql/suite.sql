-- Company database of the seed-processing suite: every table the mixture
-- module reads or writes, the numbering trigger on cisdokl and a stand-in for
-- the tags module's procedure.
--
-- Load into an empty, selected database:
--   mysql --default-character-set=utf8mb4 -h127.0.0.1 -P<port> -uroot <db> < sql/suite.sql
--
-- Conventions of the whole file:
-- * Quantities, weights and prices are DECIMAL(15,4): exact to four decimals,
--   so relative stock updates never drift the way binary doubles do.
-- * Numeric columns are NOT NULL DEFAULT 0. Balances are only ever changed by
--   relative updates ("zustatek = zustatek - x"); a NULL would swallow them.
-- * Text columns are NOT NULL DEFAULT '' and dates default to 1900-01-01, the
--   suite's "empty date": the module inserts only the columns it knows, and the
--   other columns must read back as empty values, not NULL.
-- * Column names of smesi, smesiobal, smesipa, skarta and sklpalety stay within
--   10 characters: their rows are copied into dBase work tables.
-- * ULČ columns are 20 wide: users type up to 20 characters, and the generated
--   "mp" + document number + "-" + enterprise code has 17.

SET NAMES utf8mb4;
SET @@session.sql_mode = 'STRICT_TRANS_TABLES,NO_ENGINE_SUBSTITUTION';

-- ---------------------------------------------------------------------------
-- Mixture documents (this module's own tables)
-- ---------------------------------------------------------------------------

-- One header row (smes '1') and one row per component (smes '0') per document.
CREATE TABLE smesi (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  rokd        VARCHAR(4)    NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  partie      VARCHAR(9)    NOT NULL DEFAULT '',
  podnik      VARCHAR(4)    NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mnozstvi    DECIMAL(15,4) NOT NULL DEFAULT 0,
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  pr          DECIMAL(15,4) NOT NULL DEFAULT 0,
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  pc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  snc         DECIMAL(15,4) NOT NULL DEFAULT 0,
  spc         DECIMAL(15,4) NOT NULL DEFAULT 0,
  datum       DATE          NOT NULL DEFAULT '1900-01-01',
  ulc         VARCHAR(20)   NOT NULL DEFAULT '',
  smes        VARCHAR(1)    NOT NULL DEFAULT '0',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  -- 1900-01-01: not posted in accounting; up to 2002-11-11: being posted.
  datumzauct  DATETIME      NOT NULL DEFAULT '1900-01-01 00:00:00',
  rok         VARCHAR(4)    NOT NULL DEFAULT '',
  mesic       VARCHAR(2)    NOT NULL DEFAULT '',
  popis       VARCHAR(40)   NOT NULL DEFAULT '',
  -- 22, not 20: "jiné než pícní využití", one of the two uses, has 22 letters.
  cinnost     VARCHAR(22)   NOT NULL DEFAULT '',
  jazyk       VARCHAR(1)    NOT NULL DEFAULT 'C',
  ciziz       VARCHAR(1)    NOT NULL DEFAULT '',
  -- NULL until the authority has confirmed the mixing protocol.
  slonaukzuz  DATETIME      NULL DEFAULT NULL,
  potvrzena   INT           NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY smesi_doklad (cislodokla, smes),
  KEY smesi_partie (partiecela, lomeni, stredisko),
  KEY smesi_seznam (stredisko, datum),
  KEY smesi_rok (stredisko, rokd, smes)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Packaging lines: the packages the mixed lot is filled into.
CREATE TABLE smesiobal (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mnozstvi    DECIMAL(15,4) NOT NULL DEFAULT 0,
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  poceto      DECIMAL(15,4) NOT NULL DEFAULT 0,
  vahao1      DECIMAL(15,4) NOT NULL DEFAULT 0,
  vahao1kg    DECIMAL(15,4) NOT NULL DEFAULT 0,
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  pc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  dalsirozde  VARCHAR(2)    NOT NULL DEFAULT '',
  navesky     VARCHAR(70)   NOT NULL DEFAULT '',
  cislopv9    VARCHAR(10)   NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY smesiobal_doklad (cislodokla)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Pallets a mixture took its components from, one row per pallet touched.
CREATE TABLE smesipa (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  cislo       INT           NOT NULL DEFAULT 0,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  misto       VARCHAR(15)   NOT NULL DEFAULT '',
  pocet       INT           NOT NULL DEFAULT 0,
  vahao1      DECIMAL(15,4) NOT NULL DEFAULT 0,
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  celkem      DECIMAL(15,4) NOT NULL DEFAULT 0,
  zbytek      DECIMAL(15,4) NOT NULL DEFAULT 0,
  zustatek    DECIMAL(15,4) NOT NULL DEFAULT 0,
  puvpocet    INT           NOT NULL DEFAULT 0,
  datumbal    DATE          NOT NULL DEFAULT '1900-01-01',
  ppohyb      DATE          NOT NULL DEFAULT '1900-01-01',
  navesky     VARCHAR(70)   NOT NULL DEFAULT '',
  poznamka    VARCHAR(100)  NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY smesipa_doklad (cislodokla, partiecela, lomeni, cislo)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- ---------------------------------------------------------------------------
-- Stock (shared with the stock modules)
-- ---------------------------------------------------------------------------

-- Stock cards: one row per lot (partiecela, lomeni) and cost centre.
CREATE TABLE skarta (
  id          INT NOT NULL AUTO_INCREMENT,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  partie      VARCHAR(9)    NOT NULL DEFAULT '',
  podnik      VARCHAR(4)    NOT NULL DEFAULT '',
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  pc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  zustatek    DECIMAL(15,4) NOT NULL DEFAULT 0,
  smesi       DECIMAL(15,4) NOT NULL DEFAULT 0,
  ppohyb      DATE          NOT NULL DEFAULT '1900-01-01',
  rezervace   DECIMAL(15,4) NOT NULL DEFAULT 0,
  ulc         VARCHAR(20)   NOT NULL DEFAULT '',
  datumrozho  DATE          NOT NULL DEFAULT '1900-01-01',
  vzdatum     DATE          NOT NULL DEFAULT '1900-01-01',
  vlast_vyro  VARCHAR(1)    NOT NULL DEFAULT '',
  popis       VARCHAR(40)   NOT NULL DEFAULT '',
  poznamka    VARCHAR(100)  NOT NULL DEFAULT '',
  misto       VARCHAR(3)    NOT NULL DEFAULT '',
  ulozeno     VARCHAR(100)  NOT NULL DEFAULT '',
  zahrpartie  VARCHAR(20)   NOT NULL DEFAULT '',
  sidlo       VARCHAR(30)   NOT NULL DEFAULT '',
  poceto1     DECIMAL(15,4) NOT NULL DEFAULT 0,
  vahao1      DECIMAL(15,4) NOT NULL DEFAULT 0,
  vahacelko1  DECIMAL(15,4) NOT NULL DEFAULT 0,
  mnomenkla1  VARCHAR(12)   NOT NULL DEFAULT '',
  mo1         VARCHAR(28)   NOT NULL DEFAULT '',
  mo2         VARCHAR(28)   NOT NULL DEFAULT '',
  mo3         VARCHAR(28)   NOT NULL DEFAULT '',
  mo4         VARCHAR(28)   NOT NULL DEFAULT '',
  mo5         VARCHAR(28)   NOT NULL DEFAULT '',
  mo6         VARCHAR(28)   NOT NULL DEFAULT '',
  mo7         VARCHAR(28)   NOT NULL DEFAULT '',
  mo8         VARCHAR(55)   NOT NULL DEFAULT '',
  ek1         VARCHAR(10)   NOT NULL DEFAULT '',
  vahaobalu   DECIMAL(15,4) NOT NULL DEFAULT 0,
  navesky     VARCHAR(70)   NOT NULL DEFAULT '',
  zalozena    DATE          NOT NULL DEFAULT '1900-01-01',
  prepnatuny  DECIMAL(15,4) NOT NULL DEFAULT 0,
  -- Columns of the stock-card module that this module only copies along.
  dodaky      DECIMAL(15,4) NOT NULL DEFAULT 0,
  uctenky     DECIMAL(15,4) NOT NULL DEFAULT 0,
  pstav       DECIMAL(15,4) NOT NULL DEFAULT 0,
  modem       DATE          NOT NULL DEFAULT '1900-01-01',
  final       VARCHAR(1)    NOT NULL DEFAULT '',
  ico         VARCHAR(10)   NOT NULL DEFAULT '',
  kodpar      VARCHAR(20)   NOT NULL DEFAULT '',
  nazevpodni  VARCHAR(30)   NOT NULL DEFAULT '',
  vlhkost     VARCHAR(4)    NOT NULL DEFAULT '',
  cistota     VARCHAR(5)    NOT NULL DEFAULT '',
  klicivost   VARCHAR(3)    NOT NULL DEFAULT '',
  mks         VARCHAR(6)    NOT NULL DEFAULT '',
  hts         VARCHAR(8)    NOT NULL DEFAULT '',
  chlad       VARCHAR(3)    NOT NULL DEFAULT '',
  moreno      VARCHAR(30)   NOT NULL DEFAULT '',
  obaly       VARCHAR(30)   NOT NULL DEFAULT '',
  bram_pocet  VARCHAR(3)    NOT NULL DEFAULT '',
  bram_sv     VARCHAR(3)    NOT NULL DEFAULT '',
  bram_a      VARCHAR(3)    NOT NULL DEFAULT '',
  bram_y      VARCHAR(3)    NOT NULL DEFAULT '',
  bram_x      VARCHAR(3)    NOT NULL DEFAULT '',
  bram_m      VARCHAR(3)    NOT NULL DEFAULT '',
  bram_tvch   VARCHAR(4)    NOT NULL DEFAULT '',
  czp         VARCHAR(6)    NOT NULL DEFAULT '',
  paleta      VARCHAR(10)   NOT NULL DEFAULT '',
  vjpz        VARCHAR(10)   NOT NULL DEFAULT '',
  mnomenkla2  VARCHAR(12)   NOT NULL DEFAULT '',
  mnomenkla3  VARCHAR(12)   NOT NULL DEFAULT '',
  mnomenkla4  VARCHAR(12)   NOT NULL DEFAULT '',
  mnomenkla5  VARCHAR(12)   NOT NULL DEFAULT '',
  mnomenkla6  VARCHAR(12)   NOT NULL DEFAULT '',
  mnomenkla7  VARCHAR(12)   NOT NULL DEFAULT '',
  mnomenkla8  VARCHAR(12)   NOT NULL DEFAULT '',
  ek2         VARCHAR(10)   NOT NULL DEFAULT '',
  ek3         VARCHAR(10)   NOT NULL DEFAULT '',
  ek4         VARCHAR(10)   NOT NULL DEFAULT '',
  ek5         VARCHAR(10)   NOT NULL DEFAULT '',
  ek6         VARCHAR(10)   NOT NULL DEFAULT '',
  ek7         VARCHAR(10)   NOT NULL DEFAULT '',
  ek8         VARCHAR(10)   NOT NULL DEFAULT '',
  cislopv9    VARCHAR(10)   NOT NULL DEFAULT '',
  zp          VARCHAR(8)    NOT NULL DEFAULT '',
  rp          VARCHAR(8)    NOT NULL DEFAULT '',
  coc         VARCHAR(8)    NOT NULL DEFAULT '',
  planvyro    DECIMAL(15,4) NOT NULL DEFAULT 0,
  jrd         VARCHAR(80)   NOT NULL DEFAULT '',
  hklicivost  VARCHAR(80)   NOT NULL DEFAULT '',
  puvpartie   VARCHAR(9)    NOT NULL DEFAULT '',
  vahanetto1  DECIMAL(15,4) NOT NULL DEFAULT 0,
  zdrav       VARCHAR(100)  NOT NULL DEFAULT '',
  poznamkam   TEXT          NULL,
  ulc2        VARCHAR(20)   NOT NULL DEFAULT '',
  ulc3        VARCHAR(20)   NOT NULL DEFAULT '',
  prijem      DECIMAL(15,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  UNIQUE KEY skarta_karta (partiecela, lomeni, stredisko),
  KEY skarta_stredisko (stredisko, partiecela, lomeni),
  KEY skarta_partie (partie)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Pallets in stock: one row per pallet of a lot at a cost centre.
CREATE TABLE sklpalety (
  id          INT NOT NULL AUTO_INCREMENT,
  -- Nullable only so that the trigger below can number the first pallet of an
  -- empty table, where "max(cislo) + 1" gives NULL.
  cislo       INT           NULL,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  misto       VARCHAR(15)   NOT NULL DEFAULT '',
  pocet       INT           NOT NULL DEFAULT 0,
  vahao1      DECIMAL(15,4) NOT NULL DEFAULT 0,
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  celkem      DECIMAL(15,4) NOT NULL DEFAULT 0,
  zbytek      DECIMAL(15,4) NOT NULL DEFAULT 0,
  zustatek    DECIMAL(15,4) NOT NULL DEFAULT 0,
  puvpocet    INT           NOT NULL DEFAULT 0,
  puvzusta    DECIMAL(15,4) NOT NULL DEFAULT 0,
  datumbal    DATE          NOT NULL DEFAULT '1900-01-01',
  ppohyb      DATE          NOT NULL DEFAULT '1900-01-01',
  navesky     VARCHAR(70)   NOT NULL DEFAULT '',
  poznamka    VARCHAR(100)  NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  UNIQUE KEY sklpalety_cislo (cislo),
  KEY sklpalety_partie (partiecela, lomeni, stredisko)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

DELIMITER $$
CREATE TRIGGER sklpalety_cislo BEFORE INSERT ON sklpalety FOR EACH ROW
BEGIN
  IF NEW.cislo IS NULL THEN
    SET NEW.cislo = (SELECT IFNULL(MAX(cislo), 0) + 1 FROM sklpalety);
  END IF;
END$$
DELIMITER ;

-- ---------------------------------------------------------------------------
-- Master data and settings (shared, read only for this module)
-- ---------------------------------------------------------------------------

-- Price list. Packaging items have a nomenkla beginning with "6"; work items
-- carry their 3-character code in prace.
CREATE TABLE cenik (
  nomenkla    VARCHAR(12)   NOT NULL,
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  dan         DECIMAL(15,4) NOT NULL DEFAULT 0,
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  pc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  vahao       DECIMAL(15,4) NOT NULL DEFAULT 0,
  pro_labor   VARCHAR(1)    NOT NULL DEFAULT 'A',
  prace       VARCHAR(3)    NOT NULL DEFAULT '',
  PRIMARY KEY (nomenkla),
  KEY cenik_nazev (nazevosiva),
  KEY cenik_prace (prace)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Species names in other languages. No id column on purpose: reports select
-- "smesi.*, cenikcj.*", and a second id would be ambiguous there.
CREATE TABLE cenikcj (
  druh        VARCHAR(4)    NOT NULL,
  nazev       VARCHAR(40)   NOT NULL DEFAULT '',
  nazeva      VARCHAR(40)   NOT NULL DEFAULT '',
  nazevf      VARCHAR(40)   NOT NULL DEFAULT '',
  nazevl      VARCHAR(40)   NOT NULL DEFAULT '',
  nazevn      VARCHAR(40)   NOT NULL DEFAULT '',
  PRIMARY KEY (druh)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Cost centres; palety > 0 means the cost centre keeps pallet records.
CREATE TABLE strtopc (
  stred       VARCHAR(3)    NOT NULL,
  nazevstr    VARCHAR(40)   NOT NULL DEFAULT '',
  palety      INT           NOT NULL DEFAULT 0,
  PRIMARY KEY (stred)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- EKOKOM packaging contracts.
CREATE TABLE ekokom (
  id          INT NOT NULL AUTO_INCREMENT,
  podnik      VARCHAR(4)    NOT NULL DEFAULT '',
  nazevpodni  VARCHAR(30)   NOT NULL DEFAULT '',
  smlouva     VARCHAR(10)   NOT NULL DEFAULT '',
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Suite settings, one row.
CREATE TABLE kavlin (
  id            INT NOT NULL AUTO_INCREMENT,
  UcetniRok     VARCHAR(1)  NOT NULL DEFAULT '1',
  CislovaniD    INT         NOT NULL DEFAULT 0,
  SM_JAKNC      INT         NOT NULL DEFAULT 0,
  SM_vyrobky    VARCHAR(1)  NOT NULL DEFAULT 'A',
  zakl_mj       VARCHAR(3)  NOT NULL DEFAULT 'kg',
  kontejnery_DO INT         NOT NULL DEFAULT 0,
  uzavreneuo    VARCHAR(6)  NOT NULL DEFAULT '',
  PRIMARY KEY (id)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- ---------------------------------------------------------------------------
-- Document numbering
-- ---------------------------------------------------------------------------

-- One row per document a module numbers. The module inserts STREDISKO, ROK,
-- TYPD, CISLO0 and CISLOPC; the trigger fills CISLO and leaves the same number
-- in @pomCis. CISLO0 arrives as an unquoted number, so a prefix beginning
-- with 0 (the 3-character cost centres of the years 2000 to 2009) reaches the
-- server without its leading zeros; the trigger puts them back.
CREATE TABLE cisdokl (
  id          INT NOT NULL AUTO_INCREMENT,
  STREDISKO   VARCHAR(3)    NOT NULL DEFAULT '',
  ROK         VARCHAR(4)    NOT NULL DEFAULT '',
  TYPD        VARCHAR(2)    NOT NULL DEFAULT '',
  CISLO0      VARCHAR(10)   NOT NULL DEFAULT '',
  CISLOPC     VARCHAR(10)   NOT NULL DEFAULT '',
  CISLO       VARCHAR(10)   NOT NULL DEFAULT '',
  DATUMCAS    DATETIME      NOT NULL DEFAULT CURRENT_TIMESTAMP,
  PRIMARY KEY (id),
  UNIQUE KEY cisdokl_cislo (TYPD, CISLO),
  KEY cisdokl_rada (STREDISKO, ROK, TYPD)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- The last number issued per series: cost centre, year, document type and the
-- 6-digit prefix (a change of the numbering scheme within a year starts a
-- series of its own instead of continuing under the old prefix).
--
-- The row is read and written under its row lock inside the inserting
-- transaction, so concurrent postings of one series queue on it and each gets
-- the next number; postings of other series are not held up. The lock lasts
-- until the posting commits or rolls back. A rolled-back posting also rolls
-- back its counter update, so its number is issued again to the next posting:
-- no gaps are left.
CREATE TABLE cisdoklrada (
  stredisko   VARCHAR(3)      NOT NULL,
  rok         VARCHAR(4)      NOT NULL,
  typd        VARCHAR(2)      NOT NULL,
  predpona    CHAR(6)         NOT NULL,
  posledni    BIGINT UNSIGNED NOT NULL DEFAULT 0,
  PRIMARY KEY (stredisko, rok, typd, predpona)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Local variables name their character set: otherwise they take the database
-- default, which on another server need not be that of the columns.
DELIMITER $$
CREATE TRIGGER cisdokl_cislo BEFORE INSERT ON cisdokl FOR EACH ROW
BEGIN
  DECLARE v_prvni    CHAR(10) CHARACTER SET utf8mb4 COLLATE utf8mb4_czech_ci;
  DECLARE v_predpona CHAR(6) CHARACTER SET utf8mb4 COLLATE utf8mb4_czech_ci;
  DECLARE v_od       CHAR(10) CHARACTER SET utf8mb4 COLLATE utf8mb4_czech_ci;
  DECLARE v_az       CHAR(10) CHARACTER SET utf8mb4 COLLATE utf8mb4_czech_ci;
  DECLARE v_posl     BIGINT UNSIGNED DEFAULT 0;
  DECLARE v_jinde    VARCHAR(10) CHARACTER SET utf8mb4 COLLATE utf8mb4_czech_ci DEFAULT NULL;
  DECLARE v_dalsi    BIGINT UNSIGNED;

  SET v_prvni = LPAD(TRIM(NEW.CISLO0), 10, '0');
  IF v_prvni NOT REGEXP '^[0-9]{10}$' THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'cisdokl: CISLO0 is not a number of at most 10 digits';
  END IF;
  SET NEW.CISLO0 = v_prvni;
  SET v_predpona = LEFT(v_prvni, 6);
  SET v_od = CONCAT(v_predpona, '0000');
  SET v_az = CONCAT(v_predpona, '9999');

  -- Creates the series row on first use and in either case locks it; a
  -- concurrent insert of the same series waits here until this transaction
  -- ends.
  INSERT INTO cisdoklrada (stredisko, rok, typd, predpona, posledni)
    VALUES (NEW.STREDISKO, NEW.ROK, NEW.TYPD, v_predpona, 0)
    ON DUPLICATE KEY UPDATE posledni = posledni;
  SELECT posledni INTO v_posl FROM cisdoklrada
   WHERE stredisko = NEW.STREDISKO AND rok = NEW.ROK
     AND typd = NEW.TYPD AND predpona = v_predpona
   FOR UPDATE;

  SET v_dalsi = GREATEST(CAST(v_prvni AS UNSIGNED), v_posl + 1);

  -- Numbers may exist that this counter did not issue: rows of cisdokl from
  -- before it, and mixtures the module numbered itself (years before 2016).
  -- Both lookups are plain reads of an index range, so they take no gap
  -- locks that could make postings of neighbouring series deadlock.
  SELECT MAX(CISLO) INTO v_jinde FROM cisdokl
   WHERE TYPD = NEW.TYPD AND CISLO BETWEEN v_od AND v_az
     AND CISLO REGEXP '^[0-9]{10}$';
  IF v_jinde IS NOT NULL THEN
    SET v_dalsi = GREATEST(v_dalsi, CAST(v_jinde AS UNSIGNED) + 1);
  END IF;
  IF NEW.TYPD = 'SM' THEN
    SET v_jinde = NULL;
    SELECT MAX(cislodokla) INTO v_jinde FROM smesi
     WHERE cislodokla BETWEEN v_od AND v_az
       AND cislodokla REGEXP '^[0-9]{10}$';
    IF v_jinde IS NOT NULL THEN
      SET v_dalsi = GREATEST(v_dalsi, CAST(v_jinde AS UNSIGNED) + 1);
    END IF;
  END IF;

  -- Past serial 9999 the number would carry into the prefix and look like a
  -- document of another cost centre or year; refuse instead.
  IF v_dalsi > CAST(v_az AS UNSIGNED) THEN
    SIGNAL SQLSTATE '45000'
      SET MESSAGE_TEXT = 'cisdokl: the series has no free number left';
  END IF;

  UPDATE cisdoklrada SET posledni = v_dalsi
   WHERE stredisko = NEW.STREDISKO AND rok = NEW.ROK
     AND typd = NEW.TYPD AND predpona = v_predpona;

  SET NEW.CISLO = LPAD(v_dalsi, 10, '0');
  SET @pomCis = NEW.CISLO;
END$$
DELIMITER ;

-- ---------------------------------------------------------------------------
-- Stored documents and audit records (shared)
-- ---------------------------------------------------------------------------

-- Printed documents as PDF; at most one row per typ and cislodokladu (the
-- module deletes the old row before it stores a new one). Rows arrive through
-- "insert into doklady select * from <empty copy>": the copy loses
-- AUTO_INCREMENT, so id comes back as 0 and is numbered here again.
CREATE TABLE doklady (
  id            INT NOT NULL AUTO_INCREMENT,
  typ           INT           NOT NULL DEFAULT 0,
  cislodokladu  VARCHAR(30)   NOT NULL DEFAULT '',
  objednavka    VARCHAR(20)   NOT NULL DEFAULT '',
  popis         VARCHAR(40)   NOT NULL DEFAULT '',
  obsah         LONGBLOB      NULL,
  PRIMARY KEY (id),
  KEY doklady_doklad (typ, cislodokladu)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- One row per start of a module.
CREATE TABLE historiem (
  id            INT NOT NULL AUTO_INCREMENT,
  modul         VARCHAR(20)   NOT NULL DEFAULT '',
  pc            VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko     VARCHAR(3)    NOT NULL DEFAULT '',
  datumcas      DATETIME      NULL,
  ipadr         VARCHAR(15)   NOT NULL DEFAULT '',
  computeruser  VARCHAR(50)   NOT NULL DEFAULT '',
  computername  VARCHAR(50)   NOT NULL DEFAULT '',
  mdatumcas     DATETIME      NULL,
  mverze        VARCHAR(20)   NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY historiem_cas (datumcas)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- One row per posted document.
CREATE TABLE historied (
  id            INT NOT NULL AUTO_INCREMENT,
  modul         VARCHAR(20)   NOT NULL DEFAULT '',
  pc            VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko     VARCHAR(3)    NOT NULL DEFAULT '',
  datumcas      DATETIME      NULL,
  ipadr         VARCHAR(15)   NOT NULL DEFAULT '',
  computeruser  VARCHAR(50)   NOT NULL DEFAULT '',
  computername  VARCHAR(50)   NOT NULL DEFAULT '',
  mdatumcas     DATETIME      NULL,
  mverze        VARCHAR(20)   NOT NULL DEFAULT '',
  doklad        VARCHAR(2)    NOT NULL DEFAULT '',
  cislodokla    VARCHAR(10)   NOT NULL DEFAULT '',
  misto         VARCHAR(15)   NOT NULL DEFAULT '',
  identifik     VARCHAR(40)   NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY historied_doklad (doklad, cislodokla)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- ---------------------------------------------------------------------------
-- Documents of the other modules: only the columns this module searches and
-- corrects. The lot history builds its scratch table with "create table ...
-- select" from pv and pvrad first and then inserts the other kinds into it,
-- so the movement-kind columns (dp, druhvydeje, pohyb, smes) and the invoice
-- numbers share their widths, and every column has a default.
-- ---------------------------------------------------------------------------

-- PV receipts.
CREATE TABLE pv (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  dp          VARCHAR(3)    NOT NULL DEFAULT '',
  datum       DATE          NOT NULL DEFAULT '1900-01-01',
  datumzauct  DATETIME      NOT NULL DEFAULT '1900-01-01 00:00:00',
  cislofakt   VARCHAR(20)   NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY pv_doklad (cislodokla)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

CREATE TABLE pvrad (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  hmotnostpv  DECIMAL(15,4) NOT NULL DEFAULT 0,
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY pvrad_doklad (cislodokla),
  KEY pvrad_partie (partiecela, lomeni)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- DL delivery notes.
CREATE TABLE dl (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  datumvn1    DATE          NOT NULL DEFAULT '1900-01-01',
  datumzauct  DATETIME      NOT NULL DEFAULT '1900-01-01 00:00:00',
  PRIMARY KEY (id),
  KEY dl_doklad (cislodokla)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

CREATE TABLE dlrad (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  hmotnostvn  DECIMAL(15,4) NOT NULL DEFAULT 0,
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY dlrad_doklad (cislodokla),
  KEY dlrad_partie (partiecela, lomeni)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- VN issues and returns.
CREATE TABLE vn (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  druhvydeje  VARCHAR(3)    NOT NULL DEFAULT '',
  datumvn1    DATE          NOT NULL DEFAULT '1900-01-01',
  datumzauct  DATETIME      NOT NULL DEFAULT '1900-01-01 00:00:00',
  cislofakt   VARCHAR(20)   NOT NULL DEFAULT '',
  PRIMARY KEY (id),
  KEY vn_doklad (cislodokla)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

CREATE TABLE vnrad (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  hmotnostvn  DECIMAL(15,4) NOT NULL DEFAULT 0,
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY vnrad_doklad (cislodokla),
  KEY vnrad_partie (partiecela, lomeni)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- VP internal transfers; each row carries its document's header data.
CREATE TABLE vp (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  pohyb       VARCHAR(3)    NOT NULL DEFAULT '',
  datum       DATE          NOT NULL DEFAULT '1900-01-01',
  datumzauct  DATETIME      NOT NULL DEFAULT '1900-01-01 00:00:00',
  mnozstvi    DECIMAL(15,4) NOT NULL DEFAULT 0,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY vp_doklad (cislodokla),
  KEY vp_partie (partiecela, lomeni)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- KA calculations; the row with pohyb '9' carries the calculation's price.
CREATE TABLE pv9 (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  pohyb       VARCHAR(3)    NOT NULL DEFAULT '',
  datum       DATE          NOT NULL DEFAULT '1900-01-01',
  datumzauct  DATETIME      NOT NULL DEFAULT '1900-01-01 00:00:00',
  mnozstvi    DECIMAL(15,4) NOT NULL DEFAULT 0,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY pv9_doklad (cislodokla, pohyb),
  KEY pv9_partie (partiecela, lomeni)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- KS feed mixtures; smes '1' is the header row.
CREATE TABLE krsmesi (
  id          INT NOT NULL AUTO_INCREMENT,
  cislodokla  VARCHAR(10)   NOT NULL DEFAULT '',
  stredisko   VARCHAR(3)    NOT NULL DEFAULT '',
  smes        VARCHAR(1)    NOT NULL DEFAULT '0',
  datum       DATE          NOT NULL DEFAULT '1900-01-01',
  datumzauct  DATETIME      NOT NULL DEFAULT '1900-01-01 00:00:00',
  mnozstvi    DECIMAL(15,4) NOT NULL DEFAULT 0,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  lomeni      INT           NOT NULL DEFAULT 0,
  nomenkla    VARCHAR(12)   NOT NULL DEFAULT '',
  nazevosiva  VARCHAR(28)   NOT NULL DEFAULT '',
  mj          VARCHAR(3)    NOT NULL DEFAULT '',
  druh        VARCHAR(4)    NOT NULL DEFAULT '',
  odruda      VARCHAR(5)    NOT NULL DEFAULT '',
  stupen      VARCHAR(3)    NOT NULL DEFAULT '',
  naz_dru     VARCHAR(40)   NOT NULL DEFAULT '',
  naz_odru    VARCHAR(40)   NOT NULL DEFAULT '',
  nc          DECIMAL(15,4) NOT NULL DEFAULT 0,
  PRIMARY KEY (id),
  KEY krsmesi_doklad (cislodokla, smes),
  KEY krsmesi_partie (partiecela, lomeni)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- ---------------------------------------------------------------------------
-- Tags module (stand-in): printed official tags and the lookup procedure
-- ---------------------------------------------------------------------------

-- One row per printed run of tags of a lot.
CREATE TABLE nnavesky (
  id          INT NOT NULL AUTO_INCREMENT,
  partiecela  VARCHAR(16)   NOT NULL DEFAULT '',
  odcis       VARCHAR(20)   NOT NULL DEFAULT '',
  docis       VARCHAR(20)   NOT NULL DEFAULT '',
  pocet       INT           NOT NULL DEFAULT 0,
  druh1       VARCHAR(40)   NOT NULL DEFAULT '',
  odruda      VARCHAR(40)   NOT NULL DEFAULT '',
  generace1   VARCHAR(5)    NOT NULL DEFAULT '',
  hmotnost1   DECIMAL(15,4) NOT NULL DEFAULT 0,
  hmotnost2   VARCHAR(10)   NOT NULL DEFAULT '',
  vzorkovani  VARCHAR(20)   NOT NULL DEFAULT '',
  moridlo1    VARCHAR(60)   NOT NULL DEFAULT '',
  moridlo2    VARCHAR(60)   NOT NULL DEFAULT '',
  datumtisku  DATE          NOT NULL DEFAULT '1900-01-01',
  PRIMARY KEY (id),
  KEY nnavesky_partie (partiecela, odcis)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Result of the last lookup; refilled by every call of the procedure.
CREATE TABLE _nnavesky_partie (
  odcis       VARCHAR(20)   NOT NULL DEFAULT '',
  docis       VARCHAR(20)   NOT NULL DEFAULT '',
  pocet       INT           NOT NULL DEFAULT 0,
  druh1       VARCHAR(40)   NOT NULL DEFAULT '',
  odruda      VARCHAR(40)   NOT NULL DEFAULT '',
  generace1   VARCHAR(5)    NOT NULL DEFAULT '',
  hmotnost1   DECIMAL(15,4) NOT NULL DEFAULT 0,
  hmotnost2   VARCHAR(10)   NOT NULL DEFAULT '',
  vzorkovani  VARCHAR(20)   NOT NULL DEFAULT '',
  moridlo1    VARCHAR(60)   NOT NULL DEFAULT '',
  moridlo2    VARCHAR(60)   NOT NULL DEFAULT ''
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

DELIMITER $$
-- DELETE rather than TRUNCATE: TRUNCATE would commit a transaction the caller
-- has open.
CREATE PROCEDURE nnavesky_seznam_partie(
  IN p_partie VARCHAR(16) CHARACTER SET utf8mb4 COLLATE utf8mb4_czech_ci)
BEGIN
  DELETE FROM _nnavesky_partie;
  INSERT INTO _nnavesky_partie
    (odcis, docis, pocet, druh1, odruda, generace1, hmotnost1, hmotnost2,
     vzorkovani, moridlo1, moridlo2)
  SELECT odcis, docis, pocet, druh1, odruda, generace1, hmotnost1, hmotnost2,
         vzorkovani, moridlo1, moridlo2
    FROM nnavesky
   WHERE partiecela = p_partie
   ORDER BY datumtisku, odcis, id;
END$$
DELIMITER ;
