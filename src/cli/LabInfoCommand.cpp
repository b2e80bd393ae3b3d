#include "cli/CliContext.h"
#include "cli/CommandLine.h"
#include "cli/Commands.h"
#include "report/InfoFile.h"

namespace valtrane::cli {

namespace {

// The keys of CInfo 0 to 8, in order.
const char *const Keys[] = {"company", "address", "city", "phone", "fax", "email", "project", "machine", "tester"};

int keyIndex(QStringView key)
{
    for (int i = 0; i < int(std::size(Keys)); ++i)
        if (key.compare(QLatin1String(Keys[i]), Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QString keyNames()
{
    QStringList names;
    for (const char *key : Keys)
        names.append(QString::fromLatin1(key));
    return names.join(QStringLiteral(", "));
}

} // namespace

int runLabInfo(CliContext &context, const QStringList &args)
{
    CommandLine line(QStringLiteral("lab-info"),
                     QStringLiteral("Shows the testing lab information printed at the top of every report (info/Info.vkt), "
                                    "or sets some of it and saves the file."));
    line.parser().addOption({QStringLiteral("set"), QStringLiteral("sets a field; KEY is one of ") + keyNames(), QStringLiteral("KEY=TEXT")});
    int exitCode = 0;
    if (!line.parse(context, args, exitCode))
        return exitCode;
    if (!line.parser().positionalArguments().isEmpty()) {
        context.err << "valtrane-cli lab-info: unexpected argument '" << line.parser().positionalArguments().first() << "'\n";
        return 2;
    }

    report::InfoFile::read(context.paths, context.state);
    const QStringList settings = line.parser().values(QStringLiteral("set"));
    for (const QString &setting : settings) {
        const qsizetype equals = setting.indexOf(QLatin1Char('='));
        const int index = equals < 0 ? -1 : keyIndex(QStringView(setting).left(equals).trimmed());
        if (index < 0) {
            context.err << "valtrane-cli lab-info: '" << setting << "' is not KEY=TEXT with KEY one of " << keyNames() << "\n";
            return 2;
        }
        context.state.CInfo[size_t(index)] = setting.mid(equals + 1);
    }
    if (!settings.isEmpty()) {
        if (!context.paths.ensureInfoFolder() || !report::InfoFile::write(context.paths, context.state))
            return context.fail(QStringLiteral("the lab information cannot be written (%1)").arg(context.paths.infoFile()));
        context.state.InformationChanged = false;
    }
    for (int i = 0; i < int(std::size(Keys)); ++i)
        context.out << (QString::fromLatin1(Keys[i]) + QLatin1Char(':')).leftJustified(10) << context.state.CInfo[size_t(i)] << "\n";
    return 0;
}

} // namespace valtrane::cli
