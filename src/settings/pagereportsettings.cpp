#include "settings/pagereportsettings.h"

#include "settings/inifile.h"

namespace {
const QString kSection = QStringLiteral("PageReport");
const QString kOrganisation = QStringLiteral("Organisation");
const QString kReference = QStringLiteral("Reference");
} // namespace

PageReportLines readPageReportLines(const QString &settingsPath)
{
    const IniDocument ini = IniDocument::load(settingsPath);
    return {ini.value(kSection, kOrganisation, {}, PageReportLines::kLongest + 1),
            ini.value(kSection, kReference, {}, PageReportLines::kLongest + 1)};
}

bool writePageReportLines(const QString &settingsPath, const PageReportLines &lines)
{
    IniDocument ini = IniDocument::load(settingsPath);
    // Both lines are set, whatever the first gives.
    const bool organisationStored = ini.setValue(kSection, kOrganisation, lines.organisation);
    const bool stored = ini.setValue(kSection, kReference, lines.reference) && organisationStored;
    return ini.save(settingsPath) && stored;
}
