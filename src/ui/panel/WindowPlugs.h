#pragma once

namespace montira {

class Panel;
class ToolbarWiring;

// Plugs the windows that have landed into the main toolbar by key ("Memory",
// "Environment"), and lets the sample tick refresh the work-load window's averages.
void PlugWindows(Panel& panel, ToolbarWiring& wiring);

}  // namespace montira
