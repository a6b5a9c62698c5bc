#pragma once
// The desktop services the core asks for: message boxes with the application's title, the
// system beep and the wait cursor.

#include "plot/user_services.h"

namespace ui {

class QtUserServices : public plot::UserServices {
public:
    void messageBox(const std::string& text) override;
    void beep() override;

protected:
    void setBusy(bool busy) override;

private:
    bool busy_ = false;
};

}  // namespace ui
