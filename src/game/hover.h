// The sound of the pointer entering a button: once per visit, until the
// pointer is over no button again.
#pragma once

extern int hoverLatch;

void hoverSound(int id);
