#pragma once

// Runs the command line's actions one after another on the user-interface
// thread: each starts only when the previous one has returned, so a modal
// dialog the plug-in opens holds up the rest, as it would with a person.
// When the actions are done the open folder windows are closed, unless the
// script said "stay".
void StartScript();
