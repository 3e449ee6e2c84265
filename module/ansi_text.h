// UTF-8 text in the system's ANSI code page, as the client receives the
// device's event documents.
#ifndef MODULE_ANSI_TEXT_H
#define MODULE_ANSI_TEXT_H

namespace Tamsel {

/// Owns the text of the last conversion, allocated with malloc: the next
/// conversion frees it, and so does the holder's destruction.
struct AnsiTextHolder {
    AnsiTextHolder() = default;
    ~AnsiTextHolder();
    AnsiTextHolder(const AnsiTextHolder&) = delete;
    AnsiTextHolder& operator=(const AnsiTextHolder&) = delete;

    char* text = nullptr;
};

/// Converts NUL-terminated UTF-8 text (null reads as "") to the ANSI code
/// page, keeps it in `holder` after freeing the holder's previous text, and
/// returns it. Ill-formed UTF-8 and characters the code page cannot hold are
/// converted as the system does (see Platform::ConvertUtf8ToAnsi). Never
/// null: when memory runs out the holder is left empty and the result is a
/// static "". Valid until the holder's next conversion or destruction.
char* Utf8ToAnsi(AnsiTextHolder& holder, const char* utf8);

}  // namespace Tamsel

#endif
