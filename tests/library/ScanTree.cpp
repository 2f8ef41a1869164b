#include "ScanTree.h"

#include <QFileInfo>

namespace ScanTree {

namespace {

QString parentOf(const QString& folder)
{
    return QFileInfo(folder).path();
}

} // namespace

bool isDepthFirstWithFilesFirst(const QString& root, const QStringList& paths)
{
    QStringList seen;
    QStringList stack; // the current folder and its ancestors up to root
    for (const QString& path : paths) {
        const QString folder = QFileInfo(path).path();
        if (!stack.isEmpty() && stack.last() == folder)
            continue;
        if (seen.contains(folder))
            return false; // a folder's files are split into two blocks
        if (stack.isEmpty()) {
            if (folder != root)
                return false;
        } else {
            while (!stack.isEmpty() && stack.last() != parentOf(folder))
                stack.removeLast();
            if (stack.isEmpty())
                return false;
        }
        stack << folder;
        seen << folder;
    }
    return true;
}

} // namespace ScanTree
