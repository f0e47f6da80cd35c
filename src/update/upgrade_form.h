#pragma once
#include "platform/platform.h"
#include "toolkit/form.h"
#include "update/loading_form.h"
#include "update/update_module.h"

namespace calvorin::update {

// The update program's start-up window. It carries the transfer control (the platform's
// Internet transfer) and its load runs the whole update.
class frmUpgrade : public toolkit::Form {
  public:
    frmUpgrade(UpdateSession& session, frmLoading& loading);

    // The update from start to end; it returns only when the program stays open (not
    // connected, or no download succeeded).
    void Form_Load();

  private:
    void stop(const std::string& text);

    UpdateSession& session_;
    frmLoading& loading_;
};

} // namespace calvorin::update
