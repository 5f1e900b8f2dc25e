#pragma once

#include <QString>
#include <QUrl>

#include <string>

// File names are bytes, Qt's are text: a name that is no text in the locale's encoding (a folder
// "B\xFCro" under UTF-8) does not come back the same from a QString. These keep the bytes wherever
// the text is still the one they were shown as.

// A path as Qt shows it.
QString PathToQt(const std::string& path);
// A path Qt handed back (a file dialog's choice, a field): where it is `known`, or lies in a folder
// of `known`, as shown, that part keeps its bytes.
std::string PathFromQt(const QString& path, const std::string& known);
// A file in the user's home folder, as its bytes.
std::string HomeFile(const std::string& name);
// A file's address that keeps its bytes (each byte that is not plain is percent-encoded), and the
// file's path back from such an address, also from one a link in a page resolved.
QUrl FileUrl(const std::string& path);
std::string FileOfUrl(const QUrl& url);
