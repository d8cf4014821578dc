#include <string>
#include <vector>

#include "app/main_window.h"
#include "core/handover.h"
#include "shell/shell_services.h"

LRESULT MainWindow::ReceiveHandOver(const COPYDATASTRUCT* record) {
    if (!record) return 0;
    std::vector<ItemIdList> lists;
    for (const std::string& path : handover::ReadRecord(record->dwData, record->lpData, record->cbData))
        lists.push_back(PathToItemList(path.c_str()));
    if (OpenPathsAsTabs(lists) > 0) LoadPane(tabs::Pane::Main);
    return 0;
}
