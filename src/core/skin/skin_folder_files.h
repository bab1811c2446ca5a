#pragma once
// The open skin's own folder (<skins folder>/<skin name>) as the helper dialogs see it: lists of
// its files of one kind, and copying a file from elsewhere into it.
#include <string>
#include <string_view>
#include <vector>

namespace tessera {

// <skins folder>/<skin name> of the open skin; empty when no skin is open.
std::string OpenSkinFolderPath();

// Every file of the skin folder whose upper-cased extension is `upperExtension` ("TTF", "JPG"),
// as its path relative to the skins folder in lower case ("myskin\\lake.jpg"), without
// duplicates, in folder order.
std::vector<std::string> SkinFolderFiles(std::string_view upperExtension);

// The full path of a listed file (a value of SkinFolderFiles); empty when the value would lead
// out of the skins folder.
std::string SkinFolderFilePath(std::string_view listed);

enum class CopyIntoSkin {
  Copied,
  AlreadyThere,  // a file of that name exists: it is left as it is
  Refused,       // the file is not of the wanted kind
  Failed,        // no skin open, or the copy failed
};
// Copies `source` into the skin folder under its own name, never over an existing file.
CopyIntoSkin CopyIntoSkinFolder(const std::string& source);

}  // namespace tessera
