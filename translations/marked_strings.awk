# The string table (res/strings.txt: number TAB text) as marked texts, so that
# lupdate can read it. Run with -F '\t'.
!/^#/ && NF == 2 {
    gsub(/"/, "\\\"")
    print "QT_TRANSLATE_NOOP(\"strings\", \"" $2 "\");"
}
