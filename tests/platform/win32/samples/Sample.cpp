// A program that does nothing; the tests read its file version.
int main() { return 0; }
