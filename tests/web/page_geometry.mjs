// Where the programs draw on their canvases, and pixel counting for the
// browser tests.

// Rows of the menu bar at the top of a window's canvas.
export const MENU_BAR = 19;

// The canvas pixel of a point of the drawing: origin at the client area's
// centre, y upward, below the menu bar.
export function logicalPoint(canvasWidth, canvasHeight, x, y) {
  const clientHeight = canvasHeight - MENU_BAR;
  return { x: Math.floor(canvasWidth / 2) + x, y: MENU_BAR + Math.floor(clientHeight / 2) - y };
}

// The centre of the editor's palette button in a row (0 at the top).
export const paletteRow = (row) => 245 - 40 * row - 20;

// Whether two colour counts (Map of "r,g,b" to pixels) are the same.
export function sameCounts(a, b) {
  if (a.size !== b.size) return false;
  for (const [k, v] of a) if (b.get(k) !== v) return false;
  return true;
}
