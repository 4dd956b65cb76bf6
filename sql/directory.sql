-- Directory server of the suite (database vortek): maps a company's
-- identification number to its own database, and lists the varieties with the
-- authority's codes for the mixing protocols.
--
-- Load into the database vortek (created by the loader):
--   mysql --default-character-set=utf8mb4 -h127.0.0.1 -P<port> -uroot vortek < sql/directory.sql
--
-- The port of a company row is the port of the server that holds the company
-- database: the demo company's is the one tools/run-demo.sh starts its server
-- on by default; a loader that uses another port updates it after loading
-- (UPDATE firmy SET port = '<port>' WHERE ICO = '27184731').

SET NAMES utf8mb4;
SET @@session.sql_mode = 'STRICT_TRANS_TABLES,NO_ENGINE_SUBSTITUTION';

-- All connection values are text: the module reads them as text and converts
-- the port itself.
CREATE TABLE firmy (
  ICO         VARCHAR(10)  NOT NULL,
  nazev       VARCHAR(60)  NOT NULL DEFAULT '',
  host        VARCHAR(60)  NOT NULL DEFAULT '',
  user        VARCHAR(30)  NOT NULL DEFAULT '',
  pass        VARCHAR(30)  NOT NULL DEFAULT '',
  `database`  VARCHAR(30)  NOT NULL DEFAULT '',
  port        VARCHAR(6)   NOT NULL DEFAULT '3306',
  PRIMARY KEY (ICO)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

-- Varieties, looked up by variety code and species code. kod_ukzuz below 1
-- means the authority has no code for the variety and its name is sent instead.
CREATE TABLE odruda (
  kod         VARCHAR(5)   NOT NULL,
  druh        VARCHAR(4)   NOT NULL,
  kod_ukzuz   INT          NOT NULL DEFAULT 0,
  nazev       VARCHAR(40)  NOT NULL DEFAULT '',
  PRIMARY KEY (kod, druh)
) ENGINE=InnoDB DEFAULT CHARSET=utf8mb4 COLLATE=utf8mb4_czech_ci;

INSERT INTO firmy (ICO, nazev, host, user, pass, `database`, port) VALUES
  ('27184731', 'Osiva Bělá a.s.', '127.0.0.1', 'root', '', 'kavlin', '33406'),
  ('46271503', 'Zemědělská společnost Loučná s.r.o.', '127.0.0.1', 'root', '', 'loucna', '33406');

-- The varieties of the demo company's price list. Codes above 93274 are the
-- ones the module looks up; 94102 has no authority code and goes by name.
INSERT INTO odruda (kod, druh, kod_ukzuz, nazev) VALUES
  ('93518', '4410', 3518, 'Lesan'),
  ('94102', '4410', 0, 'Marnik'),
  ('61207', '4420', 1207, 'Tapir'),
  ('93760', '4430', 3760, 'Pradlo'),
  ('93761', '4430', 3761, 'Lučan'),
  ('61442', '4440', 1442, 'Rubína'),
  ('93811', '4450', 3811, 'Sedlan'),
  ('61583', '4460', 1583, 'Lanka'),
  ('61690', '4470', 1690, 'Zubr'),
  ('94230', '4510', 4230, 'Borek'),
  ('94231', '4510', 4231, 'Sponka'),
  ('61812', '4520', 1812, 'Bělka'),
  ('90011', '9910', 0, 'Parková'),
  ('90012', '9910', 0, 'Sportovní'),
  ('90013', '9920', 0, 'Pastevní'),
  ('90014', '9920', 0, 'Univerzál'),
  ('90015', '9920', 0, 'Pícní JTS');
