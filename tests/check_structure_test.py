#!/usr/bin/env python3
"""The structure check on small made-up trees: each rule catches its own kind of
offence and lets the allowed cases through."""
import sys
import tempfile
import unittest
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))
import check_structure  # noqa: E402


class StructureCheck(unittest.TestCase):
    def problems(self, files):
        with tempfile.TemporaryDirectory() as folder:
            root = Path(folder)
            for name, text in files.items():
                (root / name).parent.mkdir(parents=True, exist_ok=True)
                (root / name).write_text(text)
            return [p for name in sorted(files) for p in check_structure.check_file(root, root / name)]

    def test_includes_down_the_layers_and_within_a_layer_pass(self):
        self.assertEqual(self.problems({
            "src/shell/frame.cpp": '#include "screens/options.h"\n#include "shell/shell.h"\n',
            "src/screens/options.cpp": '#include "game/board.h"\n#include "audio/music.h"\n',
            "src/game/board.cpp": '#include "graphics/sprite.h"\n#include "base/layout.h"\n',
            "src/base/layout.h": '#include "platform/rect.h"\n',
            "src/platform/window.cpp": "#include <SDL.h>\n#include <AL/al.h>\n",
            "tests/probe/event_probe.cpp": "#include <SDL.h>\n",
            "tools/replay/main.cpp": '#include "shell/shell.h"\n',
        }), [])

    def test_includes_up_or_across_graphics_and_audio_fail(self):
        found = self.problems({
            "src/game/hud.cpp": '#include "screens/game_setup.h"\n',
            "src/graphics/text.cpp": '#include "audio/music.h"\n',
            "src/audio/music.cpp": '#include "graphics/sprite.h"\n',
            "src/platform/clock.cpp": '#include "base/layout.h"\n',
        })
        self.assertEqual(len(found), 4, found)
        self.assertIn("src/game/hud.cpp:1: game includes screens/game_setup.h", found[1])

    def test_sdl_and_openal_only_in_the_platform(self):
        found = self.problems({
            "src/audio/music_stream.cpp": "#include <AL/alc.h>\n",
            "src/graphics/display.cpp": '#include "SDL2/SDL.h"\n',
            "tests/unit/window_test.cpp": "#include <SDL.h>\n",
        })
        self.assertEqual(len(found), 3, found)

    def test_extern_only_in_headers(self):
        found = self.problems({
            "src/game/moves.h": "extern int selectState;\n",
            "src/game/moves.cpp": 'extern "C" {\n}\nint selectState = 0;\n',
            "tests/unit/options_test.cpp": "void f()\n{\n    extern unsigned char dragMusic;\n}\n",
        })
        self.assertEqual(found, ["tests/unit/options_test.cpp:3: extern declaration in a .cpp file: "
                                 "extern unsigned char dragMusic;"])

    def test_a_folder_outside_the_layer_order_is_reported(self):
        found = self.problems({"src/extras/thing.cpp": "int thing;\n"})
        self.assertEqual(len(found), 1, found)


if __name__ == "__main__":
    unittest.main()
