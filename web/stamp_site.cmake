# Writes the service worker into the site: the cache's name is a hash over every file it keeps,
# so that any change to the site makes browsers fetch the new files once and use them offline.
# Called with SITE (the folder), TEMPLATE (sw.js.in) and FILES (the site's files, ;-separated).
set(listed "\"./\"")
set(digests "")
foreach(file IN LISTS FILES)
    file(SHA256 "${SITE}/${file}" digest)
    string(APPEND digests "${file}:${digest}\n")
    string(APPEND listed ", \"${file}\"")
endforeach()
string(SHA256 site_hash "${digests}")
string(SUBSTRING "${site_hash}" 0 16 SITE_HASH)
set(SITE_FILES "${listed}")
configure_file("${TEMPLATE}" "${SITE}/sw.js" @ONLY)
