#!/usr/bin/env bash
# Opens a grading report in headless Chromium and checks that every picture
# in it is decoded with a size: a copy of the report gets a script that
# writes what it finds into the page, which --dump-dom prints.
#
#   report_in_browser.sh GRADER EXAMPLE_DIR REFERENCE PROGRAM [GRADER_OPTION...]
set -euo pipefail
grader=$1 example=$2 reference=$3 program=$4
shift 4
browser=$(command -v chromium || true)
if [ -z "$browser" ]; then
  echo "chromium is missing: scripts/install-deps.sh installs it" >&2
  exit 1
fi
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0
"$grader" "$@" --reference "$reference" --scripts "$example/scripts" --report "$work" -- "$program" \
  >"$work/grader.txt" 2>&1 || status=$?
[ "$status" -eq 1 ] || { cat "$work/grader.txt"; echo "the grader ended with $status, not 1" >&2; exit 1; }

# The check runs once the page and its pictures have loaded.
cp "$work/report.html" "$work/checked.html"
cat >>"$work/checked.html" <<'HTML'
<script>
window.addEventListener('load', () => {
  const images = [...document.images];
  const bad = images.filter(i => !i.complete || i.naturalWidth === 0 || i.naturalHeight === 0);
  const out = document.createElement('div');
  out.id = 'image-check';
  out.textContent = `images=${images.length} undecoded=${bad.length}`;
  document.body.appendChild(out);
});
</script>
HTML
dom=$("$browser" --headless --no-sandbox --disable-gpu --disable-dev-shm-usage \
  --user-data-dir="$work/profile" --virtual-time-budget=5000 --dump-dom \
  "file://$work/checked.html" 2>"$work/browser.txt") || { cat "$work/browser.txt"; exit 1; }
found=$(grep -o 'images=[0-9]* undecoded=[0-9]*' <<<"$dom" || true)
echo "report: $(wc -c <"$work/report.html") bytes; $found"
# Two scripts, each with the reference, graded and difference pictures.
case $found in
  "images=6 undecoded=0") exit 0 ;;
  *) echo "expected 6 decoded images in the report, found '${found:-no check}'" >&2; exit 1 ;;
esac
