"""Generator of Orvanta's British and American pronunciation dictionaries."""
