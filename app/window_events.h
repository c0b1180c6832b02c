// Handlers of MainWindow's own events: the start-up notice once it is
// built, and the end of the program when it is destroyed.
#pragma once

void onMainWindowCreated();
void onMainWindowDestroying();
