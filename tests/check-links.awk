# Checks the links of Markdown files: every [text](target), ![alt](target)
# and [name]: target outside code. A target is a web address (not checked),
# or a path relative to the linking file, with or without #anchor, or an
# #anchor of the file itself. The path must exist inside the repository (the
# folder awk runs in), and the anchor must be a heading of the Markdown file
# it names, spelled as GitHub spells it: lower case, spaces to hyphens,
# ASCII punctuation but - and _ dropped, -1, -2... after a repeated one.
# Prints FILE:LINE: what is wrong, for each broken link; exits 1 if any.
# Plain POSIX awk (no intervals in the patterns: mawk has none).
# Usage: awk -f check-links.awk FILE.md...

# Whether a line opens or closes a fenced code block (``` or ~~~), keeping
# the file's state in fence[file]: the mark of the open block, or "".
function fence_line(file, line,    mark) {
    if (!match(line, /^ ? ? ?(```|~~~)/)) return 0
    mark = substr(line, RSTART + RLENGTH - 3, 3)
    if (fence[file] == "") fence[file] = mark
    else if (fence[file] == mark && line ~ /^ ? ? ?(```|~~~)[`~]* *$/) fence[file] = ""
    return 1
}

# The anchor GitHub gives a heading's text, before repeats are numbered.
function slug(text,    inner) {
    while (match(text, /!?\[[^]]*\]\([^)]*\)/)) {   # a link keeps its text
        inner = substr(text, RSTART, RLENGTH)
        sub(/^!?\[/, "", inner)
        sub(/\]\(.*$/, "", inner)
        text = substr(text, 1, RSTART - 1) inner substr(text, RSTART + RLENGTH)
    }
    sub(/^ +/, "", text)
    sub(/ +#* *$/, "", text)
    text = tolower(text)
    gsub(/[][!"#$%&'()*+,.\/:;<=>?@\\^`{|}~]/, "", text)
    gsub(/ /, "-", text)
    return text
}

# Reads the headings of a Markdown file into anchors[path SUBSEP anchor],
# once.
function load_anchors(path,    line, text, base, n) {
    if (path in loaded) return
    loaded[path] = 1
    fence["headings" SUBSEP path] = ""
    while ((getline line < path) > 0) {
        if (fence_line("headings" SUBSEP path, line) || fence["headings" SUBSEP path] != "") continue
        if (!match(line, /^ ? ? ?#+( |$)/)) continue
        text = substr(line, RLENGTH + 1)
        if (!match(line, /#+/) || RLENGTH > 6) continue   # seven #s are text
        base = slug(text)
        n = repeats[path SUBSEP base]++
        anchors[path SUBSEP (n ? base "-" n : base)] = 1
    }
    close(path)
}

# The path of target, relative to the folder of file, with "." and ".."
# taken out; "" when it leaves the repository.
function resolve(file, target,    folder, parts, n, i, kept, depth, path) {
    folder = file
    if (!sub(/\/[^\/]*$/, "", folder)) folder = ""
    n = split((folder == "" ? "" : folder "/") target, parts, "/")
    depth = 0
    for (i = 1; i <= n; i++) {
        if (parts[i] == "" || parts[i] == ".") continue
        if (parts[i] != "..") kept[++depth] = parts[i]
        else if (depth-- == 0) return ""
    }
    path = "."
    for (i = 1; i <= depth; i++) path = (i == 1 ? "" : path "/") kept[i]
    return path
}

function broken(target, reason) {
    printf "%s:%d: broken link '%s': %s\n", FILENAME, FNR, target, reason
    failures++
}

function check(target,    path, anchor, hash) {
    links++
    if (target ~ /^[a-zA-Z][a-zA-Z0-9+.-]*:/) return   # a web address
    if (target ~ /^\//) return broken(target, "not a relative path")
    hash = index(target, "#")
    path = hash ? substr(target, 1, hash - 1) : target
    anchor = hash ? substr(target, hash + 1) : ""
    if (path == "") {
        path = FILENAME
    } else {
        path = resolve(FILENAME, path)
        if (path == "") return broken(target, "outside the repository")
        if (path ~ /'/ || system("test -e '" path "'") != 0) return broken(target, "no file " path)
    }
    if (anchor == "") return
    if (path !~ /\.md$/) return broken(target, path " is not Markdown, it has no headings")
    load_anchors(path)
    if (!((path SUBSEP anchor) in anchors)) broken(target, "no heading of " path " has the anchor #" anchor)
}

FNR == 1 { fence[FILENAME] = ""; code = 0 }

{
    if (fence_line(FILENAME, $0) || fence[FILENAME] != "") next
    if ($0 ~ /^ *$/) { code = 0; next }   # a code span ends with its paragraph
    # The line without its code spans, which may run on from the line
    # before: what stands between backticks is left out.
    text = ""
    n = split($0, pieces, "`")
    for (i = 1; i <= n; i++) {
        if (i > 1) code = !code
        if (!code) text = text pieces[i]
    }
    if (match(text, /^ ? ? ?\[[^]]+\]: */)) {   # [name]: target
        target = substr(text, RLENGTH + 1)
        sub(/ .*$/, "", target)
        check(target)
        next
    }
    while (match(text, /\]\([^)]*\)/)) {
        target = substr(text, RSTART + 2, RLENGTH - 3)
        text = substr(text, RSTART + RLENGTH)
        sub(/^ */, "", target)
        sub(/ .*$/, "", target)   # a title after the target
        sub(/^</, "", target)
        sub(/>$/, "", target)
        check(target)
    }
}

END {
    if (failures) {
        printf "%d of %d links are broken\n", failures, links
        exit 1
    }
    printf "%d links resolve\n", links
}
