/* corvanta QX database: SQL dialect 3, default character set ISO8859_1.
   The program never creates or alters these objects; this script prepares a new BD.GDB. */

CREATE GENERATOR CARROS_K;
CREATE GENERATOR DESPACHANTE_K;
CREATE GENERATOR SERVICOS_K;

CREATE TABLE CARROS (
  ID             INTEGER NOT NULL,
  NOME           VARCHAR(62),
  PROTOCOLO      INTEGER,
  VEICULO        VARCHAR(40),
  PLACA          VARCHAR(7),
  COR            VARCHAR(15),
  ANO            VARCHAR(4),
  DATA           DATE,
  ESCRITORIO     VARCHAR(4),
  DATACADASTRO   DATE,
  DATA_PROTOCOLO DATE,
  TIPOSERVICO    VARCHAR(40),
  CONSTRAINT PK_CARROS PRIMARY KEY (ID)
);

CREATE TABLE DESPACHANTES (
  ID          INTEGER NOT NULL,
  DESPACHANTE VARCHAR(60),
  CODIGO      VARCHAR(4),
  TELEFONE    VARCHAR(15),
  CONSTRAINT PK_DESPACHANTES PRIMARY KEY (ID)
);

CREATE TABLE SERVICOS (
  ID      INTEGER NOT NULL,
  SERVICO VARCHAR(40),
  VALOR   NUMERIC(18,2),
  CONSTRAINT PK_SERVICOS PRIMARY KEY (ID)
);

/* One row: the last protocol number handed out. May be empty. The key makes two
   workstations that add the first row at the same moment collide instead of adding two. */
CREATE TABLE GERAIS (
  PROTOCOLO INTEGER NOT NULL,
  CONSTRAINT PK_GERAIS PRIMARY KEY (PROTOCOLO)
);
