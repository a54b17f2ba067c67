#include "playlist/folder_walk.h"

#include <QElapsedTimer>
#include <QFile>
#include <dirent.h>
#include <sys/stat.h>
#include <utility>
#include <vector>

namespace FolderWalk {

QString padded(qsizetype count)
{
    const QString digits = QString::number(count);
    return QString(qMax<qsizetype>(0, 4 - digits.size()), QLatin1Char(' ')) + digits;
}

QString progressLine(const QString& root, Phase phase, qsizetype folders, qsizetype files)
{
    const QString what = phase == Phase::Folders ? QStringLiteral("目录") : QStringLiteral("文件");
    return QStringLiteral("正在读取“") + root + QStringLiteral("”下的") + what
        + QStringLiteral("(文件夹:") + padded(folders) + QStringLiteral("个 文件:") + padded(files)
        + QStringLiteral("个 取消请按‘Esc’键)");
}

namespace {

struct Folder {
    QString path; // ends with "/"
    QStringList files;
    std::vector<qsizetype> children;
};

using FileId = std::pair<dev_t, ino_t>;

class Walker {
public:
    Walker(const QString& root, const Pump& pump, int interval)
        : root_(root), pump_(pump), interval_(interval)
    {
        clock_.start();
    }

    bool run()
    {
        QString top = root_;
        if (!top.endsWith(QLatin1Char('/')))
            top += QLatin1Char('/');
        folders_.push_back({top, {}, {}});
        if (pump_(progressLine(root_, Phase::Folders, 1, 0)))
            return false;
        std::vector<FileId> ancestors;
        if (!readFolder(0, ancestors))
            return false;
        return collectFiles(0);
    }

    QStringList result;

private:
    // Pumps when the interval has passed; true to go on.
    bool tick(Phase phase, qsizetype files)
    {
        if (interval_ > 0 && clock_.elapsed() < interval_)
            return true;
        clock_.restart();
        return !pump_(progressLine(root_, phase, qsizetype(folders_.size()), files));
    }

    static bool identify(const QByteArray& path, FileId& id)
    {
        struct stat st;
        if (::stat(path.constData(), &st) != 0)
            return false;
        id = {st.st_dev, st.st_ino};
        return true;
    }

    // Whether an entry is a folder or a plain file; links are followed.
    enum class Kind { Folder, File, Other };
    static Kind kindOf(const QByteArray& dirPath, const dirent* entry)
    {
        if (entry->d_type == DT_DIR)
            return Kind::Folder;
        if (entry->d_type == DT_REG)
            return Kind::File;
        if (entry->d_type != DT_LNK && entry->d_type != DT_UNKNOWN)
            return Kind::Other;
        struct stat st;
        if (::stat((dirPath + entry->d_name).constData(), &st) != 0)
            return Kind::Other;
        return S_ISDIR(st.st_mode) ? Kind::Folder : S_ISREG(st.st_mode) ? Kind::File : Kind::Other;
    }

    // Lists the folder, then its subfolders depth-first; false when cancelled.
    bool readFolder(qsizetype index, std::vector<FileId>& ancestors)
    {
        const QByteArray dirPath = QFile::encodeName(folders_[index].path);
        FileId id;
        if (!identify(dirPath, id))
            return true;
        for (const FileId& up : ancestors)
            if (up == id)
                return true;
        DIR* dir = ::opendir(dirPath.constData());
        if (!dir)
            return true;
        bool goOn = true;
        while (goOn) {
            const dirent* entry = ::readdir(dir);
            if (!entry)
                break;
            const QByteArray name(entry->d_name);
            if (name == "." || name == "..")
                continue;
            const Kind kind = kindOf(dirPath, entry);
            const QString path = folders_[index].path + QFile::decodeName(name);
            if (kind == Kind::Folder) {
                folders_[index].children.push_back(qsizetype(folders_.size()));
                folders_.push_back({path + QLatin1Char('/'), {}, {}});
            } else if (kind == Kind::File) {
                folders_[index].files << path;
            }
            goOn = tick(Phase::Folders, 0);
        }
        ::closedir(dir);
        if (!goOn)
            return false;
        ancestors.push_back(id);
        for (qsizetype child : std::vector<qsizetype>(folders_[index].children))
            if (!readFolder(child, ancestors))
                return false;
        ancestors.pop_back();
        return true;
    }

    // The files of the subfolders, then the folder's own; false when cancelled.
    bool collectFiles(qsizetype index)
    {
        for (qsizetype child : folders_[index].children)
            if (!collectFiles(child))
                return false;
        for (const QString& file : std::as_const(folders_[index].files)) {
            result << file;
            if (!tick(Phase::Files, result.size()))
                return false;
        }
        return true;
    }

    QString root_;
    const Pump& pump_;
    int interval_;
    QElapsedTimer clock_;
    std::vector<Folder> folders_;
};

} // namespace

std::optional<QStringList> files(const QString& root, const Pump& pump, int pumpIntervalMs)
{
    Walker walker(root, pump, pumpIntervalMs);
    if (!walker.run())
        return std::nullopt;
    return walker.result;
}

} // namespace FolderWalk
