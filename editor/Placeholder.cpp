// The element operations of the editor live in this folder.
