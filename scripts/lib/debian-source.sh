# Fetches a Debian source package with a private apt configuration: the
# machine's sources get a deb-src twin in a folder of our own, so the
# machine's apt setup is never edited. Sourced by the build-*-msw scripts.

# The version of source package $1 that the machine's binaries come from,
# found without network through one of its binary packages ($2), or empty.
debian_source_version() {
  apt-cache policy "$2" 2>/dev/null | awk '/Candidate:/ {print $2}' | grep -v '(none)' || true
}

# Unpacks version $2 of source package $1 (the newest when $2 is empty) into
# folder $3 (made here); prints the path of the unpacked tree.
fetch_debian_source() {
  local package=$1 version=$2 into=$3 codename apt_dir
  codename=$(. /etc/os-release && echo "$VERSION_CODENAME")
  apt_dir=$into/apt
  mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial" "$apt_dir/parts"
  # Only the distribution's own suites: a third-party repository has no
  # deb-src of its own, and its failure would stop the update.
  apt-get indextargets --format '$(REPO_URI) $(RELEASE) $(COMPONENT)' 'Created-By: Packages' |
    sort -u |
    awk -v c="$codename" '$2 == c || $2 == c"-updates" || $2 == c"-security" {print "deb-src " $1 " " $2 " " $3}' \
      >"$apt_dir/sources.list"
  [ -s "$apt_dir/sources.list" ] || { echo "no $codename suite among the machine's apt sources" >&2; return 1; }
  local opts=(
    -o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=$apt_dir/parts"
    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
    -o Debug::NoLocking=1
  )
  # apt's download user cannot write into a home folder.
  [ "$(id -u)" -eq 0 ] && opts+=(-o APT::Sandbox::User=root)
  apt-get "${opts[@]}" update -qq >&2
  (cd "$into" && apt-get "${opts[@]}" source -qq "$package${version:+=$version}" >&2)
  find "$into" -mindepth 1 -maxdepth 1 -type d -name "$package-*" | head -n1
}
