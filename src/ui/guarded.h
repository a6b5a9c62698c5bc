#pragma once
// Every handler of a window runs through guarded(): a failure inside it stops that handler
// only. The user is told, the busy cursor has been restored by its scope, and the application
// goes on. No exception ever crosses Qt's event loop.

#include <exception>
#include <string>

#include "numeric/failure.h"
#include "plot/output_device.h"
#include "plot/user_services.h"

namespace ui {

template <typename Handler>
bool guarded(plot::UserServices& services, Handler&& handler) {
    try {
        handler();
        return true;
    } catch (const plot::PrinterFailure& failure) {
        services.messageBox(std::string("Printing was stopped: ") + failure.what() + ".");
    } catch (const numeric::NumericFailure& failure) {
        services.messageBox(std::string("The command was stopped by a numerical failure: ") +
                            failure.what() + ". Please check the inputs.");
    } catch (const std::exception& error) {
        services.messageBox(std::string("The command was stopped by an unexpected error: ") +
                            error.what());
    } catch (...) {
        services.messageBox("The command was stopped by an unexpected error.");
    }
    return false;
}

}  // namespace ui
