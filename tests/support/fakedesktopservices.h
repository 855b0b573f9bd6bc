#pragma once

#include "platform/desktopservices.h"

#include <QList>
#include <QSet>
#include <QString>

namespace TestSupport {

// Records every request instead of reaching the desktop. deleteFile() touches
// no file: it fails for the paths in `failingDeletes` and succeeds otherwise.
class FakeDesktopServices : public DesktopServices
{
public:
    struct Call
    {
        QString operation; // the member's name: "openFile", "deleteFile", ...
        QString argument;  // the path, URL or program
        bool operator==(const Call &other) const = default;
    };

    bool openFile(const QString &path) override;
    bool openFolder(const QString &path) override;
    bool showProperties(const QString &path) override;
    bool showInFolder(const QString &path) override;
    bool openUrl(const QUrl &url) override;
    bool hasApplicationFor(const QUrl &) const override { return applicationsSetUp; }
    bool deleteFile(const QString &path, QString *errorText) override;
    QString systemInfoProgram() const override;
    bool startDetached(const QString &program) override;

    // The arguments of the recorded calls of one operation, in order.
    QStringList argumentsOf(const QString &operation) const;

    QList<Call> calls;
    QSet<QString> failingDeletes;
    QString deleteErrorText = QStringLiteral("Permission denied");
    // What every other request answers.
    bool requestsSucceed = true;
    QString systemInfoProgramPath;
    bool startSucceeds = true;
    bool applicationsSetUp = true;

private:
    bool record(const QString &operation, const QString &argument, bool result);
};

} // namespace TestSupport
