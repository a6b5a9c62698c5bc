#pragma once
// What the core needs of the desktop: a message box, the system beep and the busy (hourglass)
// cursor. The Qt face implements it; tests use a recording implementation.

#include <string>

namespace plot {

class UserServices {
public:
    virtual ~UserServices() = default;

    // A message box with the text, an OK button and the application's title; returns when the
    // user has closed it.
    virtual void messageBox(const std::string& text) = 0;
    virtual void beep() = 0;

protected:
    // Shows (true) or restores (false) the busy cursor. Called only by BusyCursor, on the
    // outermost scope, so nested scopes never restore the cursor early.
    virtual void setBusy(bool busy) = 0;

private:
    friend class BusyCursor;
    int busyDepth_ = 0;
};

// Holds the busy cursor for its lifetime; the cursor is restored on every path out of a scope,
// a numerical failure included.
class BusyCursor {
public:
    explicit BusyCursor(UserServices& services) : services_(services) {
        if (services_.busyDepth_++ == 0) services_.setBusy(true);
    }
    ~BusyCursor() {
        if (--services_.busyDepth_ == 0) services_.setBusy(false);
    }
    BusyCursor(const BusyCursor&) = delete;
    BusyCursor& operator=(const BusyCursor&) = delete;

private:
    UserServices& services_;
};

}  // namespace plot
