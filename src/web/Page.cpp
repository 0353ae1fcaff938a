// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2025-2026 Torvane Tables
#include "web/Page.h"

#include <emscripten.h>

#include <cstdlib>

// The JavaScript side of each call. Elements are found by id; the functions
// they call by name (showMessageBox, nextWindowEvent, ...) are in page.js.
// clang-format off
EM_JS(void, js_set_text, (const char* id, const char* text), {
    document.getElementById(UTF8ToString(id)).textContent = UTF8ToString(text);
});
// A copy of the element's text (property "textContent" or "value"; for the
// empty id, the document element's, such as its "lang") on the module's
// heap, which the caller frees.
EM_JS(char*, js_text, (const char* id, const char* property), {
    const name = UTF8ToString(id);
    const element = name ? document.getElementById(name) : document.documentElement;
    const text = element[UTF8ToString(property)];
    const size = lengthBytesUTF8(text) + 1;
    const copy = _malloc(size);
    stringToUTF8(text, copy, size);
    return copy;
});
EM_JS(void, js_set_field_text, (const char* id, const char* text), {
    document.getElementById(UTF8ToString(id)).value = UTF8ToString(text);
});
EM_JS(void, js_set_background, (const char* id, int red, int green, int blue), {
    document.getElementById(UTF8ToString(id)).style.backgroundColor =
        'rgb(' + red + ', ' + green + ', ' + blue + ')';
});
EM_JS(void, js_set_attribute, (const char* id, const char* name, const char* value), {
    document.getElementById(UTF8ToString(id)).setAttribute(UTF8ToString(name), UTF8ToString(value));
});
EM_JS(void, js_set_current, (const char* id, int current), {
    const element = document.getElementById(UTF8ToString(id));
    if (current) element.setAttribute('aria-current', 'true');
    else element.removeAttribute('aria-current');
});
EM_JS(void, js_announce, (const char* text), {
    announce(UTF8ToString(text));
});
EM_JS(int, js_list_count, (const char* id), {
    return document.getElementById(UTF8ToString(id)).children.length;
});
EM_JS(void, js_list_add, (const char* id, const char* line), {
    const item = document.createElement('li');
    item.textContent = UTF8ToString(line);
    document.getElementById(UTF8ToString(id)).append(item);
});
EM_JS(void, js_list_remove, (const char* id, int index), {
    const item = document.getElementById(UTF8ToString(id)).children[index];
    if (item) item.remove();
});
EM_JS(void, js_list_clear, (const char* id), {
    document.getElementById(UTF8ToString(id)).replaceChildren();
});
EM_JS(void, js_set_line, (const char* id, double top, double height, const char* reading), {
    const line = document.getElementById(UTF8ToString(id));
    line.style.top = top + 'px';
    line.style.height = height + 'px';
    line.setAttribute('aria-description', UTF8ToString(reading));
});
EM_JS(void, js_set_caption, (const char* caption), {
    setCaption(UTF8ToString(caption));
});
EM_JS(int, js_second_of_minute, (), {
    return new Date().getSeconds();
});
EM_ASYNC_JS(void, js_show_message, (const char* prompt, int critical, const char* title), {
    await showMessageBox(UTF8ToString(prompt), critical !== 0, UTF8ToString(title));
});
EM_JS(void, js_load_window, (const char* id), {
    loadWindow(UTF8ToString(id));
});
EM_JS(void, js_unload_window, (const char* id), {
    unloadWindow(UTF8ToString(id));
});
EM_JS(int, js_window_loaded, (const char* id), {
    return document.getElementById(UTF8ToString(id)) !== null;
});
EM_JS(void, js_place_window, (const char* id, double left, double top), {
    const dialog = document.getElementById(UTF8ToString(id));
    dialog.style.left = left + 'px';
    dialog.style.top = top + 'px';
});
EM_ASYNC_JS(int, js_next_window_event, (const char* id), {
    return await nextWindowEvent(UTF8ToString(id));
});
EM_JS(void, js_open_address, (const char* address), {
    openAddress(UTF8ToString(address));
});
EM_JS(void, js_end_game, (), {
    endGame();
});
// clang-format on

namespace torvane::web::page {
namespace {

std::string copyOf(const std::string& id, const char* property) {
    char* text = js_text(id.c_str(), property);
    std::string copy(text);
    std::free(text);
    return copy;
}

}  // namespace

std::string language() {
    return copyOf("", "lang");
}

std::string text(const std::string& id) {
    return copyOf(id, "textContent");
}

void setText(const std::string& id, const std::string& text) {
    js_set_text(id.c_str(), text.c_str());
}

std::string fieldText(const std::string& id) {
    return copyOf(id, "value");
}

void setFieldText(const std::string& id, const std::string& text) {
    js_set_field_text(id.c_str(), text.c_str());
}

void setBackground(const std::string& id, Rgb colour) {
    js_set_background(id.c_str(), colour.red, colour.green, colour.blue);
}

void setName(const std::string& id, const std::string& text) {
    js_set_attribute(id.c_str(), "aria-label", text.c_str());
}

void setDescription(const std::string& id, const std::string& text) {
    js_set_attribute(id.c_str(), "aria-description", text.c_str());
}

void setCurrent(const std::string& id, bool current) {
    js_set_current(id.c_str(), current ? 1 : 0);
}

void announce(const std::string& text) {
    js_announce(text.c_str());
}

int listCount(const std::string& id) {
    return js_list_count(id.c_str());
}
void listAdd(const std::string& id, const std::string& line) {
    js_list_add(id.c_str(), line.c_str());
}
void listRemove(const std::string& id, int index) {
    js_list_remove(id.c_str(), index);
}
void listClear(const std::string& id) {
    js_list_clear(id.c_str());
}

void setLine(const std::string& id, double top, double height, const std::string& reading) {
    js_set_line(id.c_str(), top, height, reading.c_str());
}

void setCaption(const std::string& caption) {
    js_set_caption(caption.c_str());
}

int secondOfMinute() {
    return js_second_of_minute();
}

void showMessage(const Message& message) {
    js_show_message(message.prompt.c_str(), message.style == MessageStyle::Critical ? 1 : 0,
                    message.title.c_str());
}

void loadWindow(const std::string& id) {
    js_load_window(id.c_str());
}
void unloadWindow(const std::string& id) {
    js_unload_window(id.c_str());
}
bool windowLoaded(const std::string& id) {
    return js_window_loaded(id.c_str()) != 0;
}
void placeWindow(const std::string& id, double left, double top) {
    js_place_window(id.c_str(), left, top);
}

WindowEvent nextWindowEvent(const std::string& id) {
    const int event = js_next_window_event(id.c_str());
    if (event > 0) return {WindowEvent::KeyPress, event};
    return {WindowEvent::Click, 0};
}

void openAddress(const std::string& address) {
    js_open_address(address.c_str());
}

void endGame() {
    js_end_game();
}

}  // namespace torvane::web::page
