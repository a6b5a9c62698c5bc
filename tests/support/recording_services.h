#pragma once
// User services for tests: records message boxes, beeps and the busy cursor.

#include <string>
#include <vector>

#include "plot/user_services.h"

namespace testsupport {

class RecordingServices : public plot::UserServices {
public:
    std::vector<std::string> messages;   // texts of the message boxes, in order
    int beeps = 0;
    std::vector<bool> busyChanges;       // every setBusy(true / false), in order
    bool busy = false;                   // the cursor now

    void messageBox(const std::string& text) override;
    void beep() override { ++beeps; }

protected:
    void setBusy(bool on) override;
};

}  // namespace testsupport
