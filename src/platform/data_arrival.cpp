// The desktop reads its data from a folder that is complete before the game
// starts, so nothing ever arrives later.
#include "platform/data_arrival.h"

void platformSetDataArrivalWork(void (* /*work*/)()) {}
