#include "support/fakedesktopservices.h"

namespace TestSupport {

bool FakeDesktopServices::record(const QString &operation, const QString &argument, bool result)
{
    calls.append({operation, argument});
    return result;
}

bool FakeDesktopServices::openFile(const QString &path)
{
    return record(QStringLiteral("openFile"), path, requestsSucceed);
}

bool FakeDesktopServices::openFolder(const QString &path)
{
    return record(QStringLiteral("openFolder"), path, requestsSucceed);
}

bool FakeDesktopServices::showProperties(const QString &path)
{
    return record(QStringLiteral("showProperties"), path, requestsSucceed);
}

bool FakeDesktopServices::showInFolder(const QString &path)
{
    return record(QStringLiteral("showInFolder"), path, requestsSucceed);
}

bool FakeDesktopServices::openUrl(const QUrl &url)
{
    return record(QStringLiteral("openUrl"), url.toString(), requestsSucceed);
}

bool FakeDesktopServices::deleteFile(const QString &path, QString *errorText)
{
    const bool fails = failingDeletes.contains(path);
    if (fails && errorText)
        *errorText = deleteErrorText;
    return record(QStringLiteral("deleteFile"), path, !fails);
}

QString FakeDesktopServices::systemInfoProgram() const
{
    // Asking for the tool changes nothing, so it is not recorded.
    return systemInfoProgramPath;
}

bool FakeDesktopServices::startDetached(const QString &program)
{
    return record(QStringLiteral("startDetached"), program, startSucceeds);
}

QStringList FakeDesktopServices::argumentsOf(const QString &operation) const
{
    QStringList arguments;
    for (const Call &call : calls)
        if (call.operation == operation)
            arguments << call.argument;
    return arguments;
}

} // namespace TestSupport
