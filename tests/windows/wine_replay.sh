#!/usr/bin/env bash
# The Windows headless driver under Wine, called as the Linux one is:
# wine_replay.sh ARGUMENTS... runs plumbrix-replay.exe (from $PLUMBRIX_WINDOWS_REPLAY)
# with them. Unix paths reach it unchanged: Wine reads them on its Z: drive.
exec wine "$PLUMBRIX_WINDOWS_REPLAY" "$@"
