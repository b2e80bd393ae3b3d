#include "parse/Parse.h"

#include "parse/Ld4800Parser.h"
#include "parse/Ng7700aParser.h"
#include "parse/Ng7700bParser.h"
#include "parse/ParseRun.h"
#include "parse/Sg2150Parser.h"

namespace valtrane::parse {

Parse::Parse(const AppPaths &paths, AppState &state)
    : m_run(std::make_unique<ParseRun>(paths, state))
    , m_ld4800(std::make_unique<Ld4800Parser>(*m_run))
    , m_ng7700a(std::make_unique<Ng7700aParser>(*m_run))
    , m_ng7700b(std::make_unique<Ng7700bParser>(*m_run))
    , m_sg2150(std::make_unique<Sg2150Parser>(*m_run))
{
}

Parse::~Parse() = default;

std::int16_t Parse::Initit(const QString &tableList)
{
    return m_run->Initit(tableList);
}

void Parse::DeInit()
{
    m_run->DeInit();
}

void Parse::setDatabaseFile(const QString &path)
{
    m_run->setDatabaseFile(path);
}

QStringList Parse::sharedTables() const
{
    return m_run->sharedTables();
}

bool Parse::writeFailed() const
{
    return m_run->writeFailed();
}

QString Parse::retrn_message() const
{
    return m_run->tableList();
}

int Parse::Parse_LD4800(int ch)
{
    return m_ld4800->parse(ch);
}

int Parse::Parse_NG7700A(int ch)
{
    return m_ng7700a->parse(ch);
}

int Parse::Parse_NG7700B(int ch)
{
    return m_ng7700b->parse(ch);
}

int Parse::Parse_SG2150(int ch)
{
    return m_sg2150->parse(ch);
}

void Parse::commit()
{
    m_run->commit();
}

} // namespace valtrane::parse
