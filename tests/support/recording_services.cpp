#include "support/recording_services.h"

namespace testsupport {

void RecordingServices::messageBox(const std::string& text) { messages.push_back(text); }

void RecordingServices::setBusy(bool on) {
    busyChanges.push_back(on);
    busy = on;
}

}  // namespace testsupport
