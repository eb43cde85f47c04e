// The outputs' tests build the log's database helpers with them: one implementation.
#include "../log/AyudasLog.cpp"
