#include "db/TableKinds.h"

namespace valtrane::db {

namespace {

FieldDef longField(const char *n) { return {QString::fromLatin1(n), FieldType::Long, 0}; }
FieldDef singleField(const char *n) { return {QString::fromLatin1(n), FieldType::Single, 0}; }
FieldDef doubleField(const char *n) { return {QString::fromLatin1(n), FieldType::Double, 0}; }
FieldDef textField(const char *n, int size = DefaultTextSize) { return {QString::fromLatin1(n), FieldType::Text, size}; }

std::vector<FieldDef> loggerFields()
{
    return {longField("READNUMBER"), textField("TIME"),     doubleField("CH1"),   doubleField("CH2"),
            doubleField("CH3"),      doubleField("CH4"),    textField("CH1NAME"), textField("CH2NAME"),
            textField("CH3NAME"),    textField("CH4NAME")};
}

std::vector<FieldDef> ng7700aFields()
{
    return {textField("ID"),     longField("RDNUM"),  longField("SERNUM"), textField("CDATE"),  textField("RDATE"),
            singleField("STAT"), singleField("OFFSET"), textField("DPT"),  textField("SA"),     singleField("KVAL"),
            singleField("PADJ"), singleField("DSTD"), singleField("MSTD"), singleField("DCNT"), singleField("MCNT"),
            singleField("SPG"),  singleField("PAV"),  singleField("MAXD"), singleField("WETD"), singleField("DRYD"),
            singleField("WAT"),  singleField("PWAT"), singleField("PAC"),  singleField("DENS"), singleField("PCOMP")};
}

std::vector<FieldDef> ng7700bFields()
{
    return {textField("ID"),      longField("SERNUM"),   textField("CDATE"),    textField("DATE", 10),
            singleField("DSTD"),  singleField("MSTD"),   singleField("KVAL"),   singleField("SPG"),
            singleField("MAXD"),  singleField("LOWD"),   longField("RDNUM"),    textField("TIME", 10),
            textField("STAT1TO"), textField("STAT1"),    textField("OFFSET", 10), textField("STAT2"),
            textField("LANE", 10), textField("DPT"),     textField("SA"),       singleField("ADJ"),
            singleField("DC"),    singleField("MC"),     singleField("AV"),     singleField("WD"),
            singleField("DD"),    singleField("M"),      singleField("PERCM"),  singleField("PERC_COMP"),
            textField("VR")};
}

std::vector<FieldDef> stiffnessFields()
{
    return {longField("RUN_NUMBER"),    singleField("MEASURE"),       singleField("CALFACTOR"),
            textField("DATE"),          textField("TIME"),            longField("BIN_NUMBER"),
            longField("FREQUENCY"),     longField("REAL_DISPL_ND"),   longField("REAL_FORCE_ND"),
            longField("IMAG_DISPL_ND"), longField("IMAG_FORCE_ND"),   longField("REAL_DISPL_SD"),
            longField("REAL_FORCE_SD"), longField("IMAG_DISPL_SD"),   longField("IMAG_FORCE_SD"),
            longField("NOISE_OL_FLAG"), longField("SIGNL_OL_FLAG"),   singleField("DSNR"),
            singleField("FSNR")};
}

} // namespace

TableSchema tableDefinition(int kind, const QString &tableName)
{
    TableSchema schema;
    schema.name = tableName;
    QString key;
    switch (kind) {
    case LoggerTestTable:
        schema.fields = loggerFields();
        schema.indexName = QStringLiteral("READNUMBER");
        key = QStringLiteral("READNUMBER");
        break;
    case Ng7700aProjectTable:
        schema.fields = ng7700aFields();
        schema.indexName = QStringLiteral("RD_NUM");
        key = QStringLiteral("RDNUM");
        break;
    case Ng7700bProjectTable:
        schema.fields = ng7700bFields();
        schema.indexName = QStringLiteral("RD_NUM");
        key = QStringLiteral("RDNUM");
        break;
    case StiffnessRunTable:
        schema.fields = stiffnessFields();
        schema.indexName = QStringLiteral("BINNUMBER");
        key = QStringLiteral("BIN_NUMBER");
        break;
    default:
        return schema;
    }
    schema.primaryKey = schema.fieldIndex(key);
    return schema;
}

} // namespace valtrane::db
