# Sourced by the image scripts: the built orvik-cli, a scratch folder removed on exit, and a private settings
# folder holding the lab's letterhead, so the user's own preferences stay out of the images.
cd "$(dirname "${BASH_SOURCE[0]}")/.."
build=${ORVIK_BUILD_DIR:-build}
[ -x "$build/src/cli/orvik-cli" ] || ./scripts/build.sh
command -v pdftoppm >/dev/null || { echo "pdftoppm missing: apt-get install poppler-utils" >&2; exit 1; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work"
mkdir -p "$XDG_CONFIG_HOME/Veltan-Quirn"
cat >"$XDG_CONFIG_HOME/Veltan-Quirn/Orvik.conf" <<'INI'
[Preferences]
CompanyName=Northfield Hearing Instruments
Header1="12 Mill Lane, Northfield"
Header2=Tel. 555 0199
INI
cli="$build/src/cli/orvik-cli"
