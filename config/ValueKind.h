#pragma once

// What kind of value a setting holds.
enum class ValueKind { Text, Number, Choice, OnOff };
