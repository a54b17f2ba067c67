#include "wiring/main_form.h"

#include "playlist/folder_scan.h"

// The list's content, its sorting, saving it under a name, folder scans.
void MainForm::wirePlaylist()
{
    write_liebiao = [this](const QString& xiang, const QString& aa) {
        listWriter_.write_liebiao(xiang, aa);
    };
    paixu1_Click = [this](int Index) { sorter_.paixu1_Click(Index); };
    baocunliebiao = [this] { listSaver_.run(); };
    bofangmulu_Click = [this](int Index) { FolderScan::bofangmulu_Click(folderScanParts_, Index); };
    zunjiamulu_Click = [this](int Index) { FolderScan::zunjiamulu_Click(folderScanParts_, Index); };
    kuaijie_mulu_Click = [this](int Index) { FolderScan::kuaijie_mulu_Click(folderScanParts_, Index); };
}
