// Save file (placeholder until it lands).
#include "screens/save_file.h"

void writeSaveFile() {}
bool readSaveFile()
{
    return false;
}
