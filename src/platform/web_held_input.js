// Lets go of every held mouse button and finger when the page loses the focus
// or is hidden: the release then lands elsewhere (on a tab the press opened,
// another window), and SDL, never told, would take the next press for the
// button still held and drop it.
(function () {
  // The fingers on the canvas, by identifier, as SDL has been told of them.
  var fingers = {};

  function track(event) {
    for (var i = 0; i < event.changedTouches.length; ++i) {
      var touch = event.changedTouches[i];
      if (event.type === 'touchstart') {
        fingers[touch.identifier] = touch;
      } else {
        delete fingers[touch.identifier];
      }
    }
  }

  // Releases go to SDL's own listeners, which take a button's release as
  // nothing when it is not held.
  function letGo() {
    [0, 1, 2].forEach(function (button) {
      document.dispatchEvent(new MouseEvent('mouseup', { button: button }));
    });
    var held = Object.keys(fingers).map(function (id) {
      return fingers[id];
    });
    fingers = {};
    if (held.length > 0 && typeof TouchEvent === 'function') {
      Module.canvas.dispatchEvent(new TouchEvent('touchcancel', { changedTouches: held }));
    }
  }

  if (Module.canvas) {
    ['touchstart', 'touchend', 'touchcancel'].forEach(function (type) {
      Module.canvas.addEventListener(type, track, { capture: true, passive: true });
    });
  }
  window.addEventListener('blur', letGo);
  window.addEventListener('pagehide', letGo);
  document.addEventListener('visibilitychange', function () {
    if (document.hidden) {
      letGo();
    }
  });
})();
