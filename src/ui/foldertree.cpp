#include "ui/foldertree.h"

#include "platform/folderpaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QPointer>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QKeyEvent>
#include <QTreeView>
#include <QVBoxLayout>

#include <condition_variable>
#include <mutex>
#include <optional>
#include <thread>

namespace {

const QString kRoot = QStringLiteral("/");

// The only column shown; size, type and date columns are hidden.
constexpr int kNameColumn = 0;

} // namespace

FolderTree::FolderTree(QWidget *parent)
    : QWidget(parent), probeFolder(FolderPaths::isFolder), m_model(new QFileSystemModel(this)),
      m_view(new QTreeView(this))
{
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot);
    m_model->setReadOnly(true);
    m_model->setRootPath(kRoot);

    m_view->setModel(m_model);
    m_view->setHeaderHidden(true);
    for (int column = kNameColumn + 1; column < m_model->columnCount(); ++column)
        m_view->hideColumn(column);
    m_view->setSortingEnabled(true);
    m_view->sortByColumn(kNameColumn, Qt::AscendingOrder);
    m_view->setFrameShape(QFrame::StyledPanel);
    m_view->setFrameShadow(QFrame::Plain);
    m_view->setSelectionMode(QAbstractItemView::SingleSelection);
    m_view->installEventFilter(this);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_view);

    connect(m_view->selectionModel(), &QItemSelectionModel::currentChanged, this,
            &FolderTree::onCurrentChanged);
    connect(m_view, &QTreeView::clicked, this, &FolderTree::clicked);

    setSelectedFolder(QDir::homePath());
}

bool FolderTree::setSelectedFolder(const QString &path)
{
    const QString folder = QDir::cleanPath(path);
    if (!folder.startsWith(kRoot) || !FolderPaths::isFolder(folder))
        return false;
    const QModelIndex index = m_model->index(folder);
    if (!index.isValid() || m_model->filePath(index) != folder)
        return false;
    m_pending.clear(); // a folder chosen now wins over one still awaited
    m_settingByCode = true;
    m_view->setCurrentIndex(index);
    m_settingByCode = false;
    for (QModelIndex parent = index.parent(); parent.isValid(); parent = parent.parent())
        m_view->expand(parent);
    m_view->scrollTo(index);
    Q_EMIT folderChanged(selectedFolder());
    return true;
}

void FolderTree::selectWhenReachable(const QString &path, int waitMs)
{
    struct Answer
    {
        std::mutex mutex;
        std::condition_variable given;
        std::optional<bool> isFolder;
    };
    auto answer = std::make_shared<Answer>();
    m_pending = path;
    // The thread is never joined: a share that does not answer must not hold
    // up the window, nor the program's exit.
    std::thread([answer, path, tree = QPointer<FolderTree>(this), check = probeFolder] {
        const bool isFolder = check(QDir::cleanPath(path));
        std::lock_guard lock(answer->mutex);
        answer->isFolder = isFolder;
        answer->given.notify_all();
        QMetaObject::invokeMethod(qApp, [tree, path, isFolder] {
            if (tree && tree->m_pending == path) {
                tree->m_pending.clear();
                if (isFolder)
                    tree->setSelectedFolder(path);
            }
        }, Qt::QueuedConnection);
    }).detach();
    std::unique_lock lock(answer->mutex);
    if (answer->given.wait_for(lock, std::chrono::milliseconds(waitMs), [&] { return answer->isFolder.has_value(); })) {
        m_pending.clear();
        if (*answer->isFolder)
            setSelectedFolder(path);
    }
}

QString FolderTree::selectedFolder() const
{
    const QModelIndex index = m_view->currentIndex();
    if (!index.isValid())
        return {};
    return m_model->filePath(index);
}

void FolderTree::onCurrentChanged()
{
    if (m_settingByCode)
        return;
    m_pending.clear(); // the user's pick wins over a start folder answering late
    Q_EMIT folderChanged(selectedFolder());
}

bool FolderTree::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_view && event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent *>(event)->key();
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            Q_EMIT clicked();
            // Left unaccepted, the key goes on to the window: a dialog's
            // default button still answers Enter while the tree has the focus.
            event->ignore();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}
