#pragma once
// The editor's keyboard commands and the delete command.
#include <cstdint>
#include <functional>

class Document;

// The next slot upward from the current element (wrapping from 10000 to 1)
// that holds an element; the current slot itself when no other does, 0
// without a current element.
int32_t nextElementUpward(const Document &doc);

// Asks "Wollen Sie das Element löschen?" and frees the current slot on Yes.
// Returns true when the element was deleted; without a current element
// nothing is asked.
// beforeChange runs after the Yes, right before the slot is freed.
bool deleteCurrentElement(Document &doc, const std::function<void()> &beforeChange = {});
