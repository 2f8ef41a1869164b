#pragma once

#include <QString>
#include <QStringList>

// Checks on the order in which a scan listed files.
namespace ScanTree {

// True when the files' folders follow a depth-first walk that lists each
// folder's own files before any of its subfolders: every folder's files in
// one block, and each new folder a child of the current folder or of one of
// its ancestors. Every folder on the way must hold a listed file.
bool isDepthFirstWithFilesFirst(const QString& root, const QStringList& paths);

} // namespace ScanTree
