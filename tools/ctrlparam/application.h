#pragma once
// The Qt application of a run, made once the command knows what it needs. A window command makes it after
// loading its text, so that the text's refusal wins over a missing display.

namespace ctrlparam {

enum class Platform {
  none,       // no widgets: a QCoreApplication
  offScreen,  // widgets that are never shown on a screen (properties, screenshots)
  display     // a window on the display
};

// Makes the application for `platform` (once per run; the argument-free command line is Qt's). For a
// display, throws Failure "no display; use --screenshot" when none can be reached: none set, one set that
// does not answer within a few seconds, or a platform that needs one without it.
void startApplication(Platform platform);

// Ends the application (before main returns).
void stopApplication();

}  // namespace ctrlparam
