#include "app/handover_receiver.h"

#include <string>
#include <vector>

#include "core/handover.h"
#include "app/lifecycle.h"
#include "shell/shell_services.h"

LRESULT ReceiveHandOver(const COPYDATASTRUCT* record) {
    if (!record) return 0;
    std::vector<ItemIdList> lists;
    for (const std::string& path : handover::ReadRecord(record->dwData, record->lpData, record->cbData))
        lists.push_back(PathToItemList(path.c_str()));
    OpenPathsAsTabs(lists);
    return 0;
}
