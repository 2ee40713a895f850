// The help page the options screen opens in the browser: plain HTML5, styles inline,
// nothing fetched from anywhere.
#include "help_page.h"

std::string helpPage()
{
    return R"HTML(<!DOCTYPE html>
<html lang="en">
<head>
<meta charset="utf-8">
<meta name="viewport" content="width=device-width, initial-scale=1">
<title>Plumbrix - How to play</title>
<style>
  body { margin: 0; background: #f3e3c3; color: #3b2314; font: 16px/1.55 "DejaVu Sans", Verdana, sans-serif; }
  header { background: #6b3c20; color: #ffe9b0; padding: 1.2em 1em; text-align: center; border-bottom: 6px solid #c98c4a; }
  header h1 { margin: 0; font: bold 2.6em/1.1 "DejaVu Serif", Georgia, serif; letter-spacing: 0.02em; }
  header p { margin: 0.3em 0 0; color: #f6d9a8; }
  main { max-width: 46em; margin: 0 auto; padding: 1em 1.2em 3em; }
  section { background: #fff8e8; border: 2px solid #c98c4a; border-radius: 14px; padding: 0.4em 1.2em 0.8em; margin: 1.2em 0; }
  h2 { font: bold 1.35em "DejaVu Serif", Georgia, serif; color: #8a3a14; margin: 0.6em 0 0.3em; }
  kbd { background: #fff; border: 1px solid #a07850; border-bottom-width: 2px; border-radius: 4px; padding: 0 0.35em; font-family: inherit; }
  table { border-collapse: collapse; margin: 0.4em 0; }
  th, td { border: 1px solid #d9b98a; padding: 0.25em 0.7em; text-align: left; }
  th { background: #f6e2bb; }
  nav ul { columns: 2; padding-left: 1.2em; }
  a { color: #a8281a; }
  footer { text-align: center; color: #8a6040; font-size: 0.9em; }
</style>
</head>
<body>
<header>
  <h1>Plumbrix</h1>
  <p>The kitchen match-three: line up the tastiest trios!</p>
</header>
<main>
<nav>
  <ul>
    <li><a href="#goal">The goal</a></li>
    <li><a href="#moving">Moving pieces</a></li>
    <li><a href="#lines">Lines and cascades</a></li>
    <li><a href="#scoring">Scoring and the multiplier</a></li>
    <li><a href="#bar">The level bar</a></li>
    <li><a href="#modes">Game modes and kinds of food</a></li>
    <li><a href="#hint">The hint pan</a></li>
    <li><a href="#levels">Levels</a></li>
    <li><a href="#pause">Pausing</a></li>
    <li><a href="#keys">Playing with the keyboard or a controller</a></li>
    <li><a href="#scores">High scores</a></li>
    <li><a href="#options">Options</a></li>
    <li><a href="#saving">Saving</a></li>
  </ul>
</nav>

<section id="goal">
  <h2>The goal</h2>
  <p>The chef's board holds 8 by 8 pieces of food. Swap two neighbouring pieces so that three
  or more of the same kind stand in a row or a column. Lined-up pieces fly off into the
  blender, the pieces above them fall down and fresh ones drop in from the top. Every clear
  earns points and fills the level bar; fill it to finish the level.</p>
</section>

<section id="moving">
  <h2>Moving pieces</h2>
  <p>Click a piece to pick it up (it starts to hop), then click one of its four neighbours:
  left, right, above or below. Diagonal neighbours do not count. You can also press the
  mouse on a piece and drag it onto its neighbour.</p>
  <p>A swap only counts if it makes a line. If it does not, the two pieces slide back to
  where they were. Clicking the picked piece again, or clicking outside the board, puts it
  down.</p>
</section>

<section id="lines">
  <h2>Lines and cascades</h2>
  <p>A line is three or more equal pieces side by side, across or down. When pieces fall
  into the gaps they may form new lines by themselves: these clear too, as a cascade, and
  keep scoring until the board settles. Plan your swaps so that the falling food lines up
  for you!</p>
</section>

<section id="scoring">
  <h2>Scoring and the multiplier</h2>
  <p>Every step of a clear earns 5 points times the multiplier. Bigger clears set a bigger
  multiplier, which then also counts for the cascade steps that follow:</p>
  <table>
    <tr><th>Pieces cleared at once</th><th>Multiplier</th></tr>
    <tr><td>3</td><td>&times;1</td></tr>
    <tr><td>4</td><td>&times;2</td></tr>
    <tr><td>5</td><td>&times;3</td></tr>
    <tr><td>6</td><td>&times;4</td></tr>
    <tr><td>7 or more</td><td>&times;5</td></tr>
  </table>
  <p>The score is shown at the bottom right of the board; it counts up as you play.</p>
</section>

<section id="bar">
  <h2>The level bar</h2>
  <p>The glass tube beside the chef fills with soup as you clear pieces. When it is full and
  the board has settled, the level is complete. The more kinds of food are in play, the
  faster each clear fills the bar.</p>
</section>

<section id="modes">
  <h2>Game modes and kinds of food</h2>
  <p>Choose <b>New game</b> in the main menu to set up a game:</p>
  <ul>
    <li><b>Untimed</b>: take all the time you like. The bar starts empty and only clearing
    fills it. When no swap can make a line any more, the game is over.</li>
    <li><b>Timed</b>: the bar starts a little filled and drains all the time, faster on
    higher levels. Keep clearing to keep it up; when it runs empty, time is up and the game
    is over. A tick warns you when the bar runs low. If no swap is left, you simply get a
    fresh board on the same level.</li>
  </ul>
  <p>You can also play with <b>6, 7 or 8 kinds</b> of food. More kinds make lines rarer but
  fill the bar faster. Each combination of mode and kinds has its own high-score table.</p>
</section>

<section id="hint">
  <h2>The hint pan</h2>
  <p>Stuck? Click the frying pan at the top left. Two pieces that make a line will swap to
  show you the move, and swap back. A hint costs <b>10 points and 4 of the bar</b>. In a
  timed game the hint is free while the bar is at 10 or below, so a hint never empties
  your bar.</p>
</section>

<section id="levels">
  <h2>Levels</h2>
  <p>Each full bar takes you to the next level: the old board is cleared away and a new one
  drops in. There are <b>99 levels</b>. In a timed game the bar drains faster on every level.
  Finish level 99 and the kitchen celebrates you!</p>
</section>

<section id="pause">
  <h2>Pausing</h2>
  <p>Press the <kbd>Pause</kbd> key to pause; the board is hidden and the time bar stops.
  Press <kbd>Pause</kbd> again to carry on. The round <b>Menu</b> plate at the bottom left
  takes you to the main menu, where <b>Resume</b> brings you back to your game.</p>
</section>

<section id="keys">
  <h2>Playing with the keyboard or a controller</h2>
  <p>The whole game can be played without a mouse, with the keyboard alone or with a game
  controller alone. The first arrow or press shows where you are: a lit button on the
  screens, a frame round one piece on the board. Move the mouse and it goes away again.</p>
  <table>
    <tr><th></th><th>Keyboard</th><th>Controller</th></tr>
    <tr><td>Move the lit button or the frame</td><td>arrow keys</td><td>d-pad or left stick</td></tr>
    <tr><td>Press the lit button, pick up or put down a piece</td>
        <td><kbd>Enter</kbd> or <kbd>Space</kbd></td><td><b>A</b></td></tr>
    <tr><td>Back, or the <b>Menu</b> plate on the board</td><td><kbd>Esc</kbd></td><td><b>B</b></td></tr>
    <tr><td>The hint pan</td><td><kbd>H</kbd></td><td><b>Y</b></td></tr>
    <tr><td>Pause</td><td><kbd>P</kbd> or <kbd>Pause</kbd></td><td><b>Start</b></td></tr>
  </table>
  <p>On the board, pick up the piece under the frame, then press an arrow to swap it with its
  neighbour that way; press again to put it down. In the options, left and right move a
  volume knob one mark of its scale; on the high scores they are the arrows. With a
  controller you enter your name the arcade way: up and down change the last letter, right
  adds a letter, left takes the last one away, and <b>A</b> or <b>Start</b> enters it. The
  name from your last game is offered again, so one press of <b>A</b> keeps it.</p>
</section>

<section id="scores">
  <h2>High scores</h2>
  <p>There are six tables of nine chefs each: untimed and timed, for 6, 7 and 8 kinds. The
  arrows at the bottom of the high-score screen switch between the kinds. When a game ends
  with a score good enough for the table, type your name (up to 9 characters;
  <kbd>Backspace</kbd> deletes) and press <kbd>Enter</kbd> or click <b>OK</b>.</p>
</section>

<section id="options">
  <h2>Options</h2>
  <ul>
    <li><b>Full screen</b>: play on the whole screen, or in a window.</li>
    <li><b>Game cursor</b>: use the game's own mouse pointer instead of the usual one.</li>
    <li><b>Food tiles</b>: put a coloured tile under every piece, one colour per kind,
    which makes the kinds easier to tell apart.</li>
    <li><b>Music</b> and <b>Sound effects</b>: drag the knobs to set the volume; all the way
    to the left is silent.</li>
    <li><b>Help</b>: opens this page.</li>
  </ul>
</section>

<section id="saving">
  <h2>Saving</h2>
  <p>Plumbrix keeps your game in progress, the high scores and the options in one file,
  <code>game.sav</code>, in the game's folder. It is written when you leave with <b>Exit</b>
  from the main menu and whenever you enter a name in the high scores. Next time you start,
  <b>Resume</b> carries on where you left off. Closing the window any other way does not
  save.</p>
</section>

<footer><p>Happy cooking!</p></footer>
</main>
</body>
</html>
)HTML";
}
