// Message maps as data: each class keeps a small table from message (and, for WM_COMMAND,
// control id and notification code) to a member function, chained to its base class's table.
#pragma once

#include <windows.h>

#include <cstddef>

class CCmdTarget;

// The shapes of handler that the program's dialogs use.
enum class HandlerKind {
    Plain,          // void (), commands and simple messages
    WParamLParam,   // void (UINT, LPARAM), e.g. WM_SYSCOMMAND
    ReturnsHandle,  // HCURSOR (), e.g. WM_QUERYDRAGICON, whose result is returned directly
};

// The member function of a table row, read back under the shape it was stored with.
union Handler {
    void (CCmdTarget::*plain)();
    void (CCmdTarget::*wParamLParam)(UINT, LPARAM);
    HCURSOR (CCmdTarget::*returnsHandle)();
};

struct MessageMapEntry {
    UINT message;
    UINT code;  // notification code of a WM_COMMAND row
    UINT id;    // control or command id of a WM_COMMAND row
    HandlerKind kind;
    Handler handler;
};

struct MessageMap {
    const MessageMap* base;
    const MessageMapEntry* entries;
    std::size_t count;
};

// A WM_COMMAND row: notification `code` (0 for a click or a plain command) from control `id`.
template <class T>
MessageMapEntry MapCommand(UINT code, UINT id, void (T::*handler)()) {
    MessageMapEntry entry{WM_COMMAND, code, id, HandlerKind::Plain, {}};
    entry.handler.plain = static_cast<void (CCmdTarget::*)()>(handler);
    return entry;
}

template <class T>
MessageMapEntry MapMessage(UINT message, void (T::*handler)()) {
    MessageMapEntry entry{message, 0, 0, HandlerKind::Plain, {}};
    entry.handler.plain = static_cast<void (CCmdTarget::*)()>(handler);
    return entry;
}

template <class T>
MessageMapEntry MapMessage(UINT message, void (T::*handler)(UINT, LPARAM)) {
    MessageMapEntry entry{message, 0, 0, HandlerKind::WParamLParam, {}};
    entry.handler.wParamLParam = static_cast<void (CCmdTarget::*)(UINT, LPARAM)>(handler);
    return entry;
}

template <class T>
MessageMapEntry MapMessage(UINT message, HCURSOR (T::*handler)()) {
    MessageMapEntry entry{message, 0, 0, HandlerKind::ReturnsHandle, {}};
    entry.handler.returnsHandle = static_cast<HCURSOR (CCmdTarget::*)()>(handler);
    return entry;
}

// Declares a class's table: `Map()` for derived classes to chain to, `GetMessageMap()` for
// dispatch through the object's dynamic type.
#define DECLARE_MESSAGE_MAP()                          \
  public:                                              \
    static const MessageMap* Map();                    \
    const MessageMap* GetMessageMap() const override { \
        return Map();                                  \
    }

// Something that handles messages through its table.
class CCmdTarget {
  public:
    virtual ~CCmdTarget() = default;
    virtual const MessageMap* GetMessageMap() const { return nullptr; }

    // Looks the message up in this object's tables, most derived first, and calls the
    // handler. False when no row matches; `result` then stays untouched.
    bool Dispatch(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR& result);
};
