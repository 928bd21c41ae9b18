#pragma once

namespace velmora {

// Starts the widget application the commands that draw (charts, PDFs,
// workbooks with charts) need; without a display it draws offscreen. Does
// nothing when an application object exists.
void EnsureGuiApplication();

}  // namespace velmora
