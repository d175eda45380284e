#pragma once
// Folder paths as the chooser's tree spells them: a top node per volume, labelled with its
// mount path ("/", "/media/stick"), below it one node per folder name; every path ends
// with "/".

#include <QString>
#include <QStringList>

namespace FolderPath {

// The path of a node from the texts of its top node and the folders down to it:
// {"/", "home", "anna"} gives "/home/anna/", {"/media/stick", "Urlaub"} gives
// "/media/stick/Urlaub/".
QString NodePath(const QStringList& texts);

// The node texts to walk to reach `folder` from the root node: "/home/anna/Bilder/" (with
// or without the last "/") gives {"/", "home", "anna", "Bilder"}. Empty parts of a doubled
// "/" are skipped; a relative or empty path gives no components.
QStringList WalkComponents(const QString& folder);

// `folder` with a final "/" (nothing added to an empty text).
QString WithSlash(const QString& folder);

} // namespace FolderPath
