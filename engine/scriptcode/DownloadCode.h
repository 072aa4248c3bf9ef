#pragma once

#include <QStringList>

namespace talmo {

class DownloadList;

// The setup script's downloader: the download table (filled at run time by
// InitializeSetup) with the temporary file of each entry, and a downloader
// written in script on the platform's internet functions. It shows a wizard
// page after the preparing page that fetches the files the chosen components
// and the synchronisation software present need, with progress, speed and
// time estimates, and offers a retry when a download fails.
//
// Appends the code when the list holds at least one download, nothing otherwise.
void WriteDownloadCode(const DownloadList &downloads, QStringList &script);

} // namespace talmo
