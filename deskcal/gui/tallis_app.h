// 万年历程序: starts the calendar dialog, or brings a running one forward.
#pragma once

#include <wx/app.h>

#include <memory>

#include "deskcal/gui/instance_link.h"

namespace deskcal {

class TallisApp : public wxApp {
public:
    bool OnInit() override;
    int OnRun() override;
    int OnExit() override;

private:
    bool m_forwardedToRunning = false;
    std::unique_ptr<InstanceLink> m_instance;
};

}  // namespace deskcal
