// The template database files are carried as resources of this library:
// ":/templates/main.dat", ":/templates/inventory.dat", ":/templates/dictionary.dat".
// The library needs one source file of its own; the resources come with it.
