#include "app/CompactionRecompute.h"

#include "db/Recordset.h"

namespace valtrane::app {

namespace {

std::optional<double> number(db::Recordset &set, QStringView field)
{
    bool ok = false;
    const QVariant v = set.field(field, &ok);
    if (!ok || v.isNull() || !v.canConvert<double>())
        return std::nullopt;
    return v.toDouble();
}

bool recompute(db::Database &database, const AppState &state)
{
    const auto set = database.openRecordset(QStringLiteral("SELECT * FROM P") + state.CurrentTable);
    if (!set || !set->moveFirst())
        return false;
    // MAXD is only divided by for a reading of the surface on screen: without one, an empty or
    // zero MAXD does no harm.
    const std::optional<double> maxd = number(*set, u"MAXD");

    const QString letter = state.CurrentSurface.left(1);
    const QStringView density = letter == QLatin1String("S") ? QStringView(u"DD") : QStringView(u"WD");
    const int readings = set->recordCount() - 1;
    for (int i = 0; i < readings; ++i) {
        set->moveNext();
        bool ok = false;
        const QVariant surface = set->field(u"SA", &ok);
        if (!ok)
            return false;
        if (surface.toString() != letter)
            continue;
        if (!maxd || *maxd == 0.0)
            return false;
        // An empty density leaves an empty percentage, as arithmetic on an empty value does.
        bool present = false;
        const QVariant d = set->field(density, &present);
        if (!present)
            return false;
        const QVariant percent = d.isNull() ? QVariant() : QVariant(double(d.toFloat()) * 100.0 / *maxd);
        if (!set->setField(u"PERC_COMP", percent) || !set->update())
            return false;
    }
    return true;
}

} // namespace

bool CompactionRecompute::run(db::Database &database, const AppState &state)
{
    if (state.CurrentTable.isEmpty() || state.CurrentSurface.isEmpty())
        return true;
    const bool ok = recompute(database, state);
    database.commit();
    return ok;
}

} // namespace valtrane::app
