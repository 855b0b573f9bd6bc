#pragma once

#include <QWidget>

#include <functional>

class QFileSystemModel;
class QTreeView;

// A tree of the file system's folders, rooted at "/", with one selected
// folder. Hidden folders are not listed. Paths have no trailing separator
// except the root "/".
//
// Folders whose names are not valid UTF-8 are not listed: Qt's directory
// listing skips names it cannot turn into text without loss. They cannot be
// selected (setSelectedFolder() returns false), so the tree never reports a
// path that names another folder; a search from a folder above them still
// reaches them.
class FolderTree : public QWidget
{
    Q_OBJECT
public:
    explicit FolderTree(QWidget *parent = nullptr);

    // Selects, expands to and scrolls to `path`, and reports it through
    // folderChanged() even when it was already selected. Returns false, and
    // keeps the selection, when `path` is not an absolute path of a folder the
    // tree lists.
    bool setSelectedFolder(const QString &path);
    // The selected folder, or an empty text when there is none.
    QString selectedFolder() const;

    // As setSelectedFolder, for a folder that may lie on storage that does
    // not answer (a network share): the folder is looked at on another
    // thread. An answer within `waitMs` selects it before this returns;
    // otherwise it stays pending() and is selected when the answer comes
    // (and never when it is no folder). Selecting another folder meanwhile,
    // by the user or by code, drops the pending one.
    void selectWhenReachable(const QString &path, int waitMs);
    // The folder selectWhenReachable() still waits for; empty when none.
    QString pending() const { return m_pending; }
    // Whether a path is a folder, asked on selectWhenReachable()'s thread.
    // Tests replace it to answer late.
    std::function<bool(const QString &path)> probeFolder;

    QTreeView *view() const { return m_view; }

Q_SIGNALS:
    // The selected folder changed, by code or by the user.
    void folderChanged(const QString &path);
    // The user clicked a folder, or pressed Enter in the tree.
    void clicked();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void onCurrentChanged();

    QFileSystemModel *m_model = nullptr;
    QTreeView *m_view = nullptr;
    bool m_settingByCode = false;
    QString m_pending;
};
