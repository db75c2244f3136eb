# Sourced by the set-up scripts. install_missing_packages LABEL PACKAGE...
# installs the Debian packages that are not installed yet, refreshing apt's
# package lists only when something has to be installed.
install_missing_packages() {
  local label=$1
  shift
  local missing=() package
  for package in "$@"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$package")
    fi
  done
  if [ ${#missing[@]} -eq 0 ]; then
    echo "$label: all $# packages are installed"
    return 0
  fi
  echo "$label: installing ${missing[*]}"
  local sudo_cmd=()
  if [ "$(id -u)" -ne 0 ]; then sudo_cmd=(sudo); fi
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -q
  "${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
}
