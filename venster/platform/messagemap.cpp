// Finding and calling the handler of a message.
#include "messagemap.h"

namespace {

bool Matches(const MessageMapEntry& entry, UINT message, WPARAM wParam) {
    if (entry.message != message) {
        return false;
    }
    if (message != WM_COMMAND) {
        return true;
    }
    return entry.id == LOWORD(wParam) && entry.code == HIWORD(wParam);
}

}  // namespace

bool CCmdTarget::Dispatch(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result) {
    for (const MessageMap* map = GetMessageMap(); map; map = map->base) {
        for (std::size_t i = 0; i < map->count; ++i) {
            const MessageMapEntry& entry = map->entries[i];
            if (!Matches(entry, message, wParam)) {
                continue;
            }
            switch (entry.kind) {
                case HandlerKind::Plain:
                    (this->*entry.handler.plain)();
                    result = TRUE;
                    break;
                case HandlerKind::WParamLParam:
                    (this->*entry.handler.wParamLParam)(static_cast<UINT>(wParam), lParam);
                    result = TRUE;
                    break;
                case HandlerKind::ReturnsHandle:
                    result = reinterpret_cast<INT_PTR>((this->*entry.handler.returnsHandle)());
                    break;
            }
            return true;
        }
    }
    return false;
}
